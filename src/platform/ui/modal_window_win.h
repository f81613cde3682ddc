#pragma once
// What the about box and the language dialog share: a window of their own
// class, centred on the owner's monitor, run modally by its own loop until it
// closes, and destroyed with its object.
#include <windows.h>

namespace vrex::ui {

struct ModalFrame {
  const char* className;
  const char* caption;
  int clientWidth;
  int clientHeight;
  // A dialog border with a system menu, children clipped.
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_DLGMODALFRAME;
};

class ModalWindow {
 public:
  ModalWindow(const ModalWindow&) = delete;
  ModalWindow& operator=(const ModalWindow&) = delete;
  HWND Handle() const { return window_; }

 protected:
  explicit ModalWindow(HWND owner) : owner_(owner) {}
  // Lets go of the window without asking the object, which is gone by now.
  virtual ~ModalWindow();

  // Registers the class and creates the window hidden; throws
  // std::runtime_error naming `what` when either fails.
  void CreateModal(const ModalFrame& frame, const char* what);
  // Shows the window and runs until EndModal or until the window is destroyed.
  void RunModal();
  void EndModal() { done_ = true; }
  void DestroyModal();

  // The window's messages; unhandled ones go to DefWindowProcA.
  virtual LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

  HWND owner_;
  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool done_ = false;
};

}  // namespace vrex::ui
