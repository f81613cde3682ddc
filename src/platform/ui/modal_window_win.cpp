#include "platform/ui/modal_window_win.h"

#include <stdexcept>
#include <string>

#include "platform/os/win/window_win.h"
#include "platform/ui/dialog_draw_win.h"

namespace vrex::ui {

ModalWindow::~ModalWindow() {
  if (window_ == nullptr) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void ModalWindow::CreateModal(const ModalFrame& frame, const char* what) {
  if (!win::RegisterClassOnce({.name = frame.className, .procedure = WindowProc}))
    throw std::runtime_error(std::string("cannot register the ") + what);
  RECT outer = WindowRectForClient(frame.clientWidth, frame.clientHeight, frame.style, frame.exStyle);
  RECT place = CentreOnDesktop(owner_, outer.right - outer.left, outer.bottom - outer.top);
  CreateWindowExA(frame.exStyle, frame.className, frame.caption, frame.style, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, owner_, nullptr, GetModuleHandleA(nullptr), this);
  if (window_ == nullptr) throw std::runtime_error(std::string("cannot create the ") + what);
}

void ModalWindow::RunModal() {
  done_ = false;
  RunModalLoop(window_, owner_, done_);
}

void ModalWindow::DestroyModal() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
}

LRESULT CALLBACK ModalWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto* self = win::BoundWindowObject(window, message, lParam, &ModalWindow::window_);
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) self->done_ = true;
    return self->OnMessage(window, message, wParam, lParam);
  });
}

}  // namespace vrex::ui
