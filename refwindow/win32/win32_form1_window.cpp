#include "win32_form1_window.h"

#include <commctrl.h>

#include <array>
#include <cmath>
#include <string>
#include <system_error>

#include "resources.h"

namespace hexling {
namespace {

constexpr wchar_t kClassName[] = L"HexlingForm1";

// A fixed dialog frame with a caption, the icon and a close box: no sizing
// border, no minimise or maximise box.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;

// The window's class for each kind of control, and the styles that make it that kind.
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

constexpr std::size_t kControlCount = Form1Layout.controls.size();
// Set by Show: what can wait until the window is on screen.
constexpr UINT_PTR kShownTimer = 1;
constexpr int kFirstControlId = 101;  // clear of IDOK and IDCANCEL, which the dialog keys send

int ControlId(std::size_t index) { return kFirstControlId + static_cast<int>(index); }

// The layout's font at `points`, 72 to the inch, at `dpi`.
HFONT LayoutFont(double points, UINT dpi) {
  const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
  // Where the face is missing, FIXED_PITCH | FF_MODERN brings a stand-in of the same kind.
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, Wide(Form1Layout.fontFace).c_str());
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

// Sizes the window for a client area of `client`, measured again after the
// first try for the same reason.
void FitClientArea(HWND window, SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  for (int round = 0; round < 2; ++round) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual{};
    GetClientRect(window, &actual);
    if (actual.right == client.cx && actual.bottom == client.cy) return;
    size.cx += client.cx - actual.right;
    size.cy += client.cy - actual.bottom;
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
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_HEXLING));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_HEXLING), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
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

  owner_ = Checked(CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
  window_ = Checked(CreateWindowExW(kFrameExStyle, kClassName, Wide(Form1Layout.title).c_str(), kFrameStyle,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                    instance, nullptr));
  // Made in focus order, which is the order the dialog keys go round.
  std::array<HWND, kControlCount> controls{};
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const KindOfControl kind = KindOf(Form1Layout.controls[i].kind);
    controls[i] = Checked(CreateWindowExW(kind.exStyle, kind.windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind.style,
                                          0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(i))),
                                          instance, nullptr));
  }
  SetWindowSubclass(controls[ControlIndex("TranslationText1")], PassTabOn, 0, 0);
  hexCombo_ = std::make_unique<Win32PickList>(controls[ControlIndex("HexCombo1")]);
  translationCombo_ = std::make_unique<Win32PickList>(controls[ControlIndex("TranslationCombo1")]);
  translationText_ = std::make_unique<Win32TextPane>(controls[ControlIndex("TranslationText1")]);
  allHexValuesList_ = std::make_unique<Win32ItemList>(controls[ControlIndex("AllHexValuesList1")]);
  Layout(GetDpiForWindow(window_));

  WindowFrame& frame = *this;
  form_ = std::make_unique<Form1>(frame, Form1Controls{.HexCombo1 = *hexCombo_,
                                                     .TranslationCombo1 = *translationCombo_,
                                                     .TranslationText1 = *translationText_,
                                                     .AllHexValuesList1 = *allHexValuesList_});
  // The window reacts from here on, once the controls it reacts on are complete.
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  form_->OnFormLoad();
}

Win32Form1Window::~Win32Form1Window() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  DestroyWindow(owner_);
  for (const HFONT font : fonts_) DeleteObject(font);
}

void Win32Form1Window::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  // A timer's message comes after everything else, painting included.
  SetTimer(window_, kShownTimer, USER_TIMER_MINIMUM, nullptr);
}

void Win32Form1Window::MakeTopmost() { SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

// Places the controls, gives them their fonts and sizes the window so that
// its client area is the layout's, all at `dpi`.
void Win32Form1Window::Layout(UINT dpi) {
  const int scale = static_cast<int>(dpi);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    const TwipsRect at = layout.place;
    const HWND control = GetDlgItem(window_, ControlId(i));
    const HFONT font = LayoutFont(layout.points, dpi);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    DeleteObject(fonts_[i]);
    fonts_[i] = font;
    // The height given to a drop-down list is that of the list when open.
    const bool dropDown = layout.kind == ControlKind::PickList;
    SetWindowPos(control, nullptr, Pixels(at.left, scale), Pixels(at.top, scale), Pixels(at.width, scale),
                 Pixels(at.height, scale) * (dropDown ? Form1Layout.openListRows + 1 : 1), SWP_NOZORDER | SWP_NOACTIVATE);
    if (dropDown) FitClosedHeight(control, Pixels(at.height, scale));
    InvalidateRect(control, nullptr, TRUE);
  }
  FitClientArea(window_, {Pixels(Form1Layout.clientWidth, scale), Pixels(Form1Layout.clientHeight, scale)}, kFrameStyle,
                kFrameExStyle, dpi);
}

// Shown also while another program has the focus: the window sits beside it.
void Win32Form1Window::AddTooltips() {
  tooltips_ = Checked(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                      instance_, nullptr));
  for (std::size_t i = 0; i < kControlCount; ++i) {
    std::wstring text = Wide(Form1Layout.controls[i].tooltip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window_, ControlId(i)));
    tool.lpszText = text.data();  // the tooltip keeps a copy
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

LRESULT CALLBACK Win32Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* const self = reinterpret_cast<Win32Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kShownTimer) break;
      KillTimer(window_, kShownTimer);
      SetForegroundWindow(window_);  // Wine does not activate a new window itself
      // Made after OnFormLoad in any case: Wine ignores HWND_TOPMOST for a
      // window that owns a popup already.
      if (!tooltips_) AddTooltips();
      return 0;
    case WM_COMMAND:
      Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      return 0;
    }
    case WM_NEXTDLGCTL: {  // what a dialog does; Wine's edit box sends it on Tab
      const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
      if (next) SetFocus(next);
      return 0;
    }
    case WM_ACTIVATE:  // the focus comes back to the control that had it
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
      } else {
        SetFocus(lastFocus_ ? lastFocus_ : hexCombo_->Handle());
      }
      return 0;
    case WM_SYSCOMMAND:
      // Neither is offered; keys or other programs may still ask.
      if ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_SIZE:
      // Without a taskbar button, a minimised window could not be found again.
      if (wParam == SIZE_MINIMIZED) PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
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
