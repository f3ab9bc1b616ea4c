#include "win32_form1_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>
#include <string>

#include "win32_clipboard.h"
#include "win32_kept_failure.h"
#include "win32_last_error.h"
#include "win32_text.h"

namespace hexling {
namespace {

constexpr wchar_t kClassName[] = L"HexlingForm1";

// The command of the copy keys and the lists' Copy menu: clear of IDOK and
// IDCANCEL and of the controls' ids.
constexpr WORD kCopyCommand = 100;
static_assert(kCopyCommand < Form1FirstControlId);

UniqueAcceleratorTable NewCopyKeys() {
  ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'C', kCopyCommand}, {FVIRTKEY | FCONTROL, VK_INSERT, kCopyCommand}};
  return UniqueAcceleratorTable(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) ThrowLastError("RegisterClassExW");
}

void ReportFailure(const std::string& failure) {
  // A quit still waiting would close the box at once: a window that went
  // while it was being made posted one.
  MSG quit{};
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  MessageBoxW(nullptr, Wide(failure).c_str(), L"Hexling", MB_ICONERROR | MB_OK);
}

// Where a menu asked for from the keyboard shows: below the selected item of
// a list box where it is wholly in view, below the control otherwise.
POINT KeyboardMenuPlace(HWND control, int selectedItem) {
  RECT below{}, client{};
  GetClientRect(control, &client);
  if (selectedItem >= 0 &&
      SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(selectedItem), reinterpret_cast<LPARAM>(&below)) != LB_ERR &&
      below.top >= client.top && below.bottom <= client.bottom) {
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&below), 2);
  } else {
    GetWindowRect(control, &below);
  }
  return {below.left, below.bottom};
}

}  // namespace

Win32Form1Window::Win32Form1Window(HINSTANCE instance) : instance_(instance), copyKeys_(NewCopyKeys()) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  RegisterWindowClass(instance, &Procedure);
  owner_ = CreateForm1Owner(instance);
  if (!CreateForm1Frame(owner_.get(), kClassName, instance, this)) ThrowLastError("CreateWindowExW");
  MakeControls();
}

// Everything the window needs before it is first shown. Where it throws, the
// owner goes first of what was made, and the window with it.
void Win32Form1Window::MakeControls() {
  controls_ = CreateForm1Controls(window_, instance_);
  hexCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("HexCombo1")]);
  translationCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("TranslationCombo1")]);
  translationText_ = std::make_unique<Win32TextPane>(controls_[ControlIndex("TranslationText1")]);
  allHexValuesList_ = std::make_unique<Win32ItemList>(controls_[ControlIndex("AllHexValuesList1")]);

  const UINT dpi = GetDpiForWindow(window_);
  fonts_ = LayOutForm1Controls(controls_, dpi);
  icons_ = SetForm1Icons(window_, instance_, dpi);
  // WM_GETMINMAXINFO gives this size from here on: set before the window takes it.
  size_ = Form1FrameSize(dpi);
  SetWindowPos(window_, nullptr, 0, 0, size_.cx, size_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  WindowFrame& frame = *this;
  form_ = std::make_unique<Form1>(frame, Form1Controls{.HexCombo1 = *hexCombo_,
                                                     .TranslationCombo1 = *translationCombo_,
                                                     .TranslationText1 = *translationText_,
                                                     .AllHexValuesList1 = *allHexValuesList_});
  form_->OnFormLoad();
  AddTooltips();
  hexCombo_->HandleTyping();
  translationCombo_->HandleTyping();
  translationText_->HandleKeys();
  // A window that is not a dialog hides the focus until a key is pressed;
  // here the control with the keyboard shows it from the start.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Win32Form1Window::Show() {
  // A shortcut set to "Run: Maximized" or "Minimized" makes this first
  // ShowWindow take its command instead: WM_SIZE undoes it.
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

// Shown also while another program has the focus: the window sits beside it.
void Win32Form1Window::AddTooltips() {
  const HWND tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_,
                              nullptr);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    std::wstring text = Wide(Form1Layout.controls[i].tooltip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = text.data();  // the tooltip keeps a copy
    SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Win32Form1Window::MakeTopmost() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Form1Window::CopyToClipboard(std::string_view text) { PutOnClipboard(window_, text); }

bool Win32Form1Window::PreTranslateMessage(MSG& message) const {
  return (copyKeys_ && TranslateAcceleratorW(window_, copyKeys_.get(), &message)) ||
         IsDialogMessageW(window_, &message);
}

// The object is attached to its window from the window's first message to
// its last, as in the scratch program.
LRESULT CALLBACK Win32Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* const self = static_cast<Win32Form1Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* const self = reinterpret_cast<Win32Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = Guarded([&] { return self->OnMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT Win32Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_COMMAND:
      Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
      return 0;
    case WM_CONTEXTMENU:  // from a control, by the right button, Shift+F10 or the Menu key
      if (ShowCopyMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
      break;
    case WM_GETDPISCALEDSIZE:  // what WM_DPICHANGED will suggest: the layout at the new DPI
      *reinterpret_cast<SIZE*>(lParam) = Form1FrameSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      size_ = {suggested.right - suggested.left, suggested.bottom - suggested.top};
      SetWindowPos(window, nullptr, suggested.left, suggested.top, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      fonts_ = LayOutForm1Controls(controls_, LOWORD(wParam));
      icons_ = SetForm1Icons(window, instance_, LOWORD(wParam));
      return 0;
    }
    case WM_THEMECHANGED:  // the drop-down lists' fields may have another height now
      fonts_ = LayOutForm1Controls(controls_, GetDpiForWindow(window));
      break;
    case WM_GETMINMAXINFO: {
      if (size_.cx == 0) break;
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMinTrackSize = limits.ptMaxTrackSize = limits.ptMaxSize = {size_.cx, size_.cy};
      return 0;
    }
    case WM_ACTIVATE:  // the control with the keyboard, for WM_SETFOCUS to give it back
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      SetFocus(lastFocus_ ? lastFocus_ : controls_[ControlIndex("HexCombo1")]);
      return 0;
    case WM_SIZE:
      // The frame offers neither, but DefWindowProc carries out SC_MINIMIZE
      // and SC_MAXIMIZE from the system menu's keys, and other programs and
      // a shortcut's "Run" may ask. Alt+Tab could bring a minimised window
      // back, but with no taskbar button nothing on screen would show that it
      // is there; a maximised one would be the same size in another state.
      if (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Form1Window::Command(HWND control, WORD code, WORD id) {
  if (!form_) return;  // nothing reacts before the model is there
  if (id == kCopyCommand && !control) {
    CopyFrom(GetFocus());  // the copy keys, wherever the keyboard is
  } else if (control == hexCombo_->Handle()) {
    hexCombo_->Notified(code);
  } else if (control == translationCombo_->Handle()) {
    translationCombo_->Notified(code);
  } else if (control == allHexValuesList_->Handle() && code == LBN_DBLCLK) {
    allHexValuesList_->doubleClicked.Raise();
  } else if (id == IDOK && GetFocus() == allHexValuesList_->Handle()) {
    allHexValuesList_->returnPressed.Raise();  // the dialog keys send Return as IDOK
  }
}

const Event* Win32Form1Window::CopyAskedOf(HWND list) const {
  if (list == hexCombo_->Handle()) return &hexCombo_->copyAsked;
  if (list == translationCombo_->Handle()) return &translationCombo_->copyAsked;
  if (list == allHexValuesList_->Handle()) return &allHexValuesList_->copyAsked;
  return nullptr;
}

// The description copies its selection itself, as it would on Ctrl+C.
void Win32Form1Window::CopyFrom(HWND control) {
  if (const Event* copyAsked = CopyAskedOf(control)) {
    copyAsked->Raise();
  } else if (control == translationText_->Handle()) {
    SendMessageW(control, WM_COPY, 0, 0);
  }
}

// The menu of one of the three lists, at the pointer; where the keyboard
// opened it (at -1, -1), below the selected code or the drop-down list, as
// WM_CONTEXTMENU documents. A right-click on a code selects it first. False
// for anything else, which DefWindowProc handles.
bool Win32Form1Window::ShowCopyMenu(HWND control, LPARAM at) {
  const Event* const copyAsked = form_ ? CopyAskedOf(control) : nullptr;
  if (!copyAsked) return false;
  POINT place{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const bool onCodes = control == allHexValuesList_->Handle();
  const bool byKeyboard = place.x == -1 && place.y == -1;
  if (byKeyboard) {
    place = KeyboardMenuPlace(control, onCodes ? allHexValuesList_->SelectedIndex() : -1);
  } else if (onCodes) {
    POINT inList = place;
    ScreenToClient(control, &inList);
    const LRESULT pointed = SendMessageW(control, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
    if (HIWORD(pointed) == 0) allHexValuesList_->Select(LOWORD(pointed));  // the high word says "outside"
  }
  const UniqueMenu menu(CreatePopupMenu());
  if (!menu) return true;
  AppendMenuW(menu.get(), MF_STRING, kCopyCommand, (Wide(Form1Layout.copyCommand) + L"\tCtrl+C").c_str());
  // From the keyboard, Copy active at once, so that Return chooses it: the
  // Down key the user would press first, which the menu reads from this thread's queue.
  if (byKeyboard) PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 1);
  if (TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, place.x, place.y, window_, nullptr) ==
      kCopyCommand) {
    copyAsked->Raise();
  }
  return true;
}

int RunEventLoop(const Win32Form1Window& window) {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    if (!window.PreTranslateMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

int RunForm1Program(HINSTANCE instance) {
  return RunStoppingOnFailure(
      [instance] {
        Win32Form1Window window(instance);
        window.Show();
        return RunEventLoop(window);
      },
      ReportFailure);
}

}  // namespace hexling
