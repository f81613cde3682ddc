// The detector's timer on Windows: timer 1 of a hidden message-only window,
// so that ticks arrive as messages of the thread that created it.
#include <windows.h>

#include "components/inet_detector.h"
#include "platform/os/win/handles_win.h"
#include "platform/os/win/window_win.h"

namespace vrex::components {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr const char* kWindowClass = "VrexINetDetectorWindow";

class HiddenWindowTimer : public TickTimer {
 public:
  explicit HiddenWindowTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    win::RegisterClassOnce({.name = kWindowClass, .procedure = &HiddenWindowTimer::WindowProc, .cursor = nullptr});
    window_.reset(CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
  }

  ~HiddenWindowTimer() override {
    Kill();
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  }

  void Kill() override {
    if (window_) KillTimer(window_.get(), kTimerId);
  }

  void Set(std::uint32_t periodMs) override {
    if (window_) SetTimer(window_.get(), kTimerId, periodMs, nullptr);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return win::Guarded([&]() -> LRESULT {
      auto* self = win::WindowObject<HiddenWindowTimer>(window, message, lParam);
      if (message != WM_TIMER) return DefWindowProcA(window, message, wParam, lParam);
      if (self != nullptr && self->onTick_) self->onTick_();
      return 0;
    });
  }

  std::function<void()> onTick_;
  win::UniqueWindow window_;
};

}  // namespace

std::unique_ptr<TickTimer> CreateHiddenWindowTimer(std::function<void()> onTick) {
  return std::make_unique<HiddenWindowTimer>(std::move(onTick));
}

}  // namespace vrex::components
