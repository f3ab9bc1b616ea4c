#include "win32_form1_window.h"

#include <commctrl.h>

#include <cmath>
#include <string>
#include <system_error>

#include "resources.h"
#include "win32_taskbar.h"

namespace hexling {
namespace {

constexpr wchar_t kClassName[] = L"HexlingForm1";

// A fixed dialog frame with a caption, the icon and a close box: no sizing
// border, no minimise or maximise box.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;

// The window class of each kind of control, and the styles that make it that kind.
struct KindOfControl {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

KindOfControl KindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PickList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::TextPane:
      return {WC_EDITW, ES_MULTILINE | ES_WANTRETURN, WS_EX_CLIENTEDGE};
    case ControlKind::ItemList:
      break;
  }
  return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
}

std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// Set by Show: what can wait until the window is on screen.
constexpr UINT_PTR kOnScreenTimer = 1;
constexpr int kFirstControlId = 101;  // clear of IDOK and IDCANCEL, which the dialog keys send

// The layout's font at `points`, 72 to the inch, at `dpi`.
UniqueFont LayoutFont(double points, UINT dpi) {
  const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
  // Where the face is missing, FIXED_PITCH | FF_MODERN brings a stand-in of the same kind.
  return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                Wide(Form1Layout.fontFace).c_str()));
}

// A drop-down list takes its closed height from its font; bring it to the
// layout's. Measured, not computed: how the field's height adds up to the
// control's is the system's own (and Wine's differs from Windows').
void FitClosedHeight(HWND combo, int pixels) {
  auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int round = 0; round < 3; ++round) {
    RECT closed{};
    GetWindowRect(combo, &closed);
    const int missing = pixels - (closed.bottom - closed.top);
    if (missing == 0 || field + missing <= 0) return;
    field += missing;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

// A multi-line edit box wants every key, Tab among them; here Tab moves on.
// And Escape does nothing: in a window that runs IsDialogMessage, the edit box
// would close its parent on Escape, and a note typed in it would be lost.
LRESULT CALLBACK PassTabOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
  if (message == WM_GETDLGCODE) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB) result &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
  }
  return result;
}

// Loads the icon at its size from the next larger image of the icon, as
// comctl32 6 does. MinGW-w64's import library of comctl32 lacks the
// function, which comctl32 6 exports by name; without it, the nearest image.
UniqueIcon LoadIconScaledDown(HINSTANCE instance, int width, int height) {
  using Function = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto loadIconWithScaleDown = reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  HICON icon = nullptr;
  if (!loadIconWithScaleDown || FAILED(loadIconWithScaleDown(instance, MAKEINTRESOURCEW(IDI_HEXLING), width, height, &icon))) {
    icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_HEXLING), IMAGE_ICON, width, height, 0));
  }
  return UniqueIcon(icon);
}

HWND Checked(HWND window) {
  if (!window) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateWindowExW");
  return window;
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
  if (!RegisterClassExW(&windowClass)) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "RegisterClassExW");
  }
}

}  // namespace

Win32Form1Window::Win32Form1Window(HINSTANCE instance) : instance_(instance) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  RegisterWindowClass(instance, &Procedure);

  window_.reset(Checked(CreateWindowExW(kFrameExStyle, kClassName, Wide(Form1Layout.title).c_str(), kFrameStyle,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                        instance, nullptr)));
  // Made in focus order, which is the order the dialog keys go round. Just
  // before each control in that order, a hidden label with its tooltip: what
  // a screen reader takes for the control's name where it has no text.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    Checked(CreateWindowExW(0, WC_STATICW, Wide(layout.tooltip).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0,
                            window_.get(), nullptr, instance, nullptr));
    const KindOfControl kind = KindOf(layout.kind);
    controls_[i] = Checked(CreateWindowExW(
        kind.exStyle, kind.windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind.style, 0, 0, 0, 0,
        window_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))), instance,
        nullptr));
    // comctl32 6 sizes the open list by this count, not by the window's height.
    if (layout.kind == ControlKind::PickList) SendMessageW(controls_[i], CB_SETMINVISIBLE, Form1Layout.openListRows, 0);
  }
  SetWindowSubclass(controls_[ControlIndex("TranslationText1")], PassTabOn, 0, 0);
  hexCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("HexCombo1")]);
  translationCombo_ = std::make_unique<Win32PickList>(controls_[ControlIndex("TranslationCombo1")]);
  translationText_ = std::make_unique<Win32TextPane>(controls_[ControlIndex("TranslationText1")]);
  allHexValuesList_ = std::make_unique<Win32ItemList>(controls_[ControlIndex("AllHexValuesList1")]);

  const UINT dpi = GetDpiForWindow(window_.get());
  Layout(dpi);
  SetIcons(dpi);
  // The frame as AdjustWindowRectExForDpi gives it, then measured: Wine's
  // frame can differ from what it computes.
  Resize(FrameSize(dpi));
  RECT client{};
  GetClientRect(window_.get(), &client);
  Resize({size_.cx + Pixels(Form1Layout.clientWidth, static_cast<int>(dpi)) - client.right,
          size_.cy + Pixels(Form1Layout.clientHeight, static_cast<int>(dpi)) - client.bottom});

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
  if (!com_) com_.emplace();
  RemoveTaskbarButton(window_.get());
  SetForegroundWindow(window_.get());
  // A timer's message comes after everything else, painting included.
  SetTimer(window_.get(), kOnScreenTimer, USER_TIMER_MINIMUM, nullptr);
}

// Shown also while another program has the focus: the window sits beside it.
void Win32Form1Window::WhenOnScreen() {
  if (tooltips_) return;
  tooltips_ = Checked(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(),
                                      nullptr, instance_, nullptr));
  for (std::size_t i = 0; i < kControlCount; ++i) {
    std::wstring text = Wide(Form1Layout.controls[i].tooltip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = text.data();  // the tooltip keeps a copy
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    names_.Name(controls_[i], text);
  }
}

void Win32Form1Window::MakeTopmost() {
  SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Places the controls and gives them their fonts at `dpi`; the fonts they had
// go once the new ones are in use.
void Win32Form1Window::Layout(UINT dpi) {
  const int scale = static_cast<int>(dpi);
  std::array<UniqueFont, kControlCount> fonts;
  HDWP places = BeginDeferWindowPos(static_cast<int>(kControlCount));
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    fonts[i] = LayoutFont(layout.points, dpi);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[i].get()), FALSE);
    // The height given to a drop-down list is that of the list when open.
    const int rows = layout.kind == ControlKind::PickList ? Form1Layout.openListRows + 1 : 1;
    const TwipsRect at = layout.place;
    if (places) {
      places = DeferWindowPos(places, controls_[i], nullptr, Pixels(at.left, scale), Pixels(at.top, scale),
                              Pixels(at.width, scale), Pixels(at.height, scale) * rows, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (places) EndDeferWindowPos(places);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    if (layout.kind == ControlKind::PickList) FitClosedHeight(controls_[i], Pixels(layout.place.height, scale));
    InvalidateRect(controls_[i], nullptr, TRUE);
  }
  fonts_.swap(fonts);
}

// The window's size, frame included, for the layout's client area at `dpi`.
SIZE Win32Form1Window::FrameSize(UINT dpi) const {
  const int scale = static_cast<int>(dpi);
  RECT frame{0, 0, Pixels(Form1Layout.clientWidth, scale), Pixels(Form1Layout.clientHeight, scale)};
  AdjustWindowRectExForDpi(&frame, kFrameStyle, FALSE, kFrameExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// The one size the window may have: WM_GETMINMAXINFO gives it from here on,
// so it is set before the window takes it.
void Win32Form1Window::Resize(SIZE size) {
  size_ = size;
  SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icons of the caption and the task switcher, at the sizes the system
// asks at `dpi`, each scaled down from the next larger image in the icon.
void Win32Form1Window::SetIcons(UINT dpi) {
  UniqueIcon large = LoadIconScaledDown(instance_, GetSystemMetricsForDpi(SM_CXICON, dpi), GetSystemMetricsForDpi(SM_CYICON, dpi));
  UniqueIcon small =
      LoadIconScaledDown(instance_, GetSystemMetricsForDpi(SM_CXSMICON, dpi), GetSystemMetricsForDpi(SM_CYSMICON, dpi));
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  largeIcon_.swap(large);
  smallIcon_.swap(small);
}

LRESULT CALLBACK Win32Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* const self = reinterpret_cast<Win32Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  if (message == TaskbarCreatedMessage()) {  // the shell made its buttons again, this one's too
    RemoveTaskbarButton(window);
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
      *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      size_ = {suggested.right - suggested.left, suggested.bottom - suggested.top};
      SetWindowPos(window, nullptr, suggested.left, suggested.top, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      SetIcons(LOWORD(wParam));
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
