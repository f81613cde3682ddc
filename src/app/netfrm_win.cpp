#include "app/netfrm_win.h"

#include "lang/language.h"

namespace vrex::app {
namespace {

constexpr const char* kClassName = "TNETFrm";

enum ControlId { kReportBtn = 101, kAboutBtn, kLangBtn, kMinimizeBtn, kCloseBtn, kLabel1 = 110 };

struct ButtonPlace {
  int id;
  int left;
  int caption;  // language string
};
constexpr ButtonPlace kButtons[] = {
    {kReportBtn, 0, 10}, {kAboutBtn, 190, 11}, {kLangBtn, 280, 12}, {kMinimizeBtn, 370, 13}, {kCloseBtn, 460, 52},
};

HFONT MakeFont(int height, bool bold) {
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
}

}  // namespace

TNETFrm::TNETFrm(HINSTANCE instance) : instance_(instance) {}

bool TNETFrm::Create() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - kMainHeight) / 2;
  window_ = CreateWindowExA(0, kClassName, kApplicationTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            left, top, kMainWidth, kMainHeight, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

void TNETFrm::CreateControls() {
  font_.reset(MakeFont(-11, false));
  labelFont_.reset(MakeFont(-13, true));
  for (const auto& place : kButtons) {
    HWND button =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 6 + place.left, 5, 90, 19,
                        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance_, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    buttons_[place.id - kReportBtn] = button;
  }
  label1_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 216, 48, 345, 17, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabel1)), instance_, nullptr);
  SendMessageA(label1_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
}

void TNETFrm::FormCreate() {
  LoadLanguageModule();
  CreateControls();
  for (const auto& place : kButtons)
    SetWindowTextA(buttons_[place.id - kReportBtn], GetLangString(place.caption).c_str());
  SetWindowTextA(label1_, GetLangString(1).c_str());
}

void TNETFrm::CloseBtnClick() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void TNETFrm::MinimizeBtnClick() { ShowWindow(window_, SW_MINIMIZE); }

LRESULT CALLBACK TNETFrm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TNETFrm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<TNETFrm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  return self != nullptr ? self->Handle(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TNETFrm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: FormCreate(); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kCloseBtn: CloseBtnClick(); return 0;
        case kMinimizeBtn: MinimizeBtnClick(); return 0;
      }
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

int RunApplication(HINSTANCE instance, int showCommand) {
  TNETFrm form(instance);
  if (!form.Create()) return 1;
  ShowWindow(form.Handle(), showCommand);
  UpdateWindow(form.Handle());
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace vrex::app
