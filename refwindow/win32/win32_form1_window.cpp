#include "win32_form1_window.h"

#include <commctrl.h>

#include <string>
#include <system_error>

#include "win32_form1_layout.h"
#include "win32_taskbar.h"
#include "win32_text.h"

namespace hexling {
namespace {

constexpr wchar_t kClassName[] = L"HexlingForm1";

// Set by Show: what can wait until the window is on screen.
constexpr UINT_PTR kOnScreenTimer = 1;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "RegisterClassExW");
  }
}

}  // namespace

Win32Form1Window::Win32Form1Window(HINSTANCE instance) : instance_(instance) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  RegisterWindowClass(instance, &Procedure);

  window_.reset(CreateWindowExW(Form1FrameExStyle, kClassName, Wide(Form1Layout.title).c_str(), Form1FrameStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                                nullptr));
  if (!window_) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateWindowExW");
  controls_ = CreateForm1Controls(window_.get(), instance);
  hexCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("HexCombo1")]);
  translationCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("TranslationCombo1")]);
  translationText_ = std::make_unique<Win32TextPane>(controls_[ControlIndex("TranslationText1")]);
  allHexValuesList_ = std::make_unique<Win32ItemList>(controls_[ControlIndex("AllHexValuesList1")]);

  const UINT dpi = GetDpiForWindow(window_.get());
  Layout(dpi);
  icons_ = SetForm1Icons(window_.get(), instance, dpi);
  // The frame as AdjustWindowRectExForDpi gives it, then measured: Wine's
  // frame can differ from what it computes.
  Resize(Form1FrameSize(dpi));
  RECT client{};
  GetClientRect(window_.get(), &client);
  const SIZE missing{Pixels(Form1Layout.clientWidth, static_cast<int>(dpi)) - client.right,
                     Pixels(Form1Layout.clientHeight, static_cast<int>(dpi)) - client.bottom};
  if (missing.cx != 0 || missing.cy != 0) Resize({size_.cx + missing.cx, size_.cy + missing.cy});

  WindowFrame& frame = *this;
  form_ = std::make_unique<Form1>(frame, Form1Controls{.HexCombo1 = *hexCombo_,
                                                     .TranslationCombo1 = *translationCombo_,
                                                     .TranslationText1 = *translationText_,
                                                     .AllHexValuesList1 = *allHexValuesList_});
  // The window reacts from here on, once the controls it reacts on are complete.
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  form_->OnFormLoad();
}

Win32Form1Window::~Win32Form1Window() {
  if (!window_) return;
  // Gone with the object rather than by the user: nothing to react to, and
  // no quit for the thread's event loop.
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  names_.Clear();
  window_.reset();
}

void Win32Form1Window::Show() {
  // A shortcut set to "Run: Maximized", or start /max, gives the program's
  // first ShowWindow its own command, whatever the program asks: undo it.
  ShowWindow(window_.get(), SW_SHOWNORMAL);
  if (IsZoomed(window_.get()) || IsIconic(window_.get())) ShowWindow(window_.get(), SW_RESTORE);
  // Painted now, as the classic pair ShowWindow and UpdateWindow does, before
  // COM starts: the window is on screen sooner.
  UpdateWindow(window_.get());
  if (!com_) com_.emplace();
  RemoveTaskbarButton(*com_, window_.get());
  SetForegroundWindow(window_.get());
  // A timer's message comes after everything else, painting included.
  SetTimer(window_.get(), kOnScreenTimer, USER_TIMER_MINIMUM, nullptr);
}

// Shown also while another program has the focus: the window sits beside it.
void Win32Form1Window::WhenOnScreen() {
  if (tooltips_) return;
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr,
                              instance_, nullptr);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    std::wstring text = Wide(Form1Layout.controls[i].tooltip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = text.data();  // the tooltip keeps a copy
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    names_.Name(*com_, controls_[i], text);
  }
}

void Win32Form1Window::MakeTopmost() {
  SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Places the controls and gives them their fonts at `dpi`; the fonts they had
// go once the new ones are in use.
void Win32Form1Window::Layout(UINT dpi) { fonts_ = LayOutForm1Controls(controls_, dpi); }

// The one size the window may have: WM_GETMINMAXINFO gives it from here on,
// so it is set before the window takes it.
void Win32Form1Window::Resize(SIZE size) {
  size_ = size;
  SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Win32Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* const self = reinterpret_cast<Win32Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  if (message == TaskbarCreatedMessage()) {  // the shell made its buttons again, this one's too
    if (com_) RemoveTaskbarButton(*com_, window);
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam != kOnScreenTimer) break;
      KillTimer(window, kOnScreenTimer);
      WhenOnScreen();
      return 0;
    case WM_COMMAND:
      Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
      return 0;
    case WM_GETDPISCALEDSIZE:  // what WM_DPICHANGED will suggest: the layout at the new DPI
      *reinterpret_cast<SIZE*>(lParam) = Form1FrameSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      size_ = {suggested.right - suggested.left, suggested.bottom - suggested.top};
      SetWindowPos(window, nullptr, suggested.left, suggested.top, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      icons_ = SetForm1Icons(window, instance_, LOWORD(wParam));
      return 0;
    }
    case WM_THEMECHANGED:  // the drop-down lists' fields may have another height now
      Layout(GetDpiForWindow(window));
      break;
    case WM_GETMINMAXINFO: {
      if (size_.cx == 0) break;
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMinTrackSize = limits.ptMaxTrackSize = limits.ptMaxSize = {size_.cx, size_.cy};
      return 0;
    }
    case WM_NEXTDLGCTL: {  // what a dialog does; Wine's edit box sends it on Tab
      const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
      if (next) SetFocus(next);
      return 0;
    }
    case WM_ACTIVATE:  // the focus comes back to the control that had it
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) lastFocus_ = focus;
      } else {
        SetFocus(lastFocus_ ? lastFocus_ : hexCombo_->Handle());
      }
      return 0;
    case WM_SYSCOMMAND:
      // Neither is offered; keys or other programs may still ask.
      if ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_SIZE:
      // Without a taskbar button, a minimised window could not be found
      // again; a maximised one would be the same size in another state.
      if (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      return 0;
    case WM_DESTROY:
      names_.Clear();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:  // the system destroyed the window: nothing left to destroy
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      static_cast<void>(window_.release());
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Form1Window::Command(HWND control, WORD code, WORD id) {
  if (control == hexCombo_->Handle()) {
    hexCombo_->Notified(code);
  } else if (control == translationCombo_->Handle()) {
    translationCombo_->Notified(code);
  } else if (control == allHexValuesList_->Handle() && code == LBN_DBLCLK) {
    allHexValuesList_->DoubleClicked();
  } else if (id == IDOK && GetFocus() == allHexValuesList_->Handle()) {
    allHexValuesList_->ReturnPressed();  // the dialog keys send Return as IDOK
  }
}

int RunEventLoop(const Win32Form1Window& window) {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    if (!IsDialogMessageW(window.Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace hexling
