#pragma once
// The main window.
#include <windows.h>

#include <array>

#include "platform/os/win/handles_win.h"

namespace vrex::app {

inline constexpr const char* kApplicationTitle = "Vrex Info Network";
inline constexpr int kMainWidth = 587;
inline constexpr int kMainHeight = 486;

class TNETFrm {
 public:
  explicit TNETFrm(HINSTANCE instance);
  bool Create();
  HWND Handle() const { return window_; }

  // The creation handler: runs once, before the window is shown.
  void FormCreate();
  void CloseBtnClick();
  void MinimizeBtnClick();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  win::UniqueFont font_;
  win::UniqueFont labelFont_;
  std::array<HWND, 5> buttons_{};
  HWND label1_ = nullptr;
};

int RunApplication(HINSTANCE instance, int showCommand);

}  // namespace vrex::app
