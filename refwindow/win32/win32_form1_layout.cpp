#include "win32_form1_layout.h"

#include <commctrl.h>

#include <cmath>
#include <string>

#include "resources.h"
#include "win32_last_error.h"
#include "win32_text.h"

namespace hexling {
namespace {

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

HWND Checked(HWND window) {
  if (!window) ThrowLastError("CreateWindowExW");
  return window;
}

// The layout's font at `points`, 72 to the inch, at `dpi`.
UniqueFont LayoutFont(double points, UINT dpi) {
  const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
  // Where the face is missing, FIXED_PITCH | FF_MODERN brings a stand-in of the same kind.
  return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                Wide(Form1Layout.fontFace).c_str()));
}

// A drop-down list takes its closed height from its font. CB_SETITEMHEIGHT
// with -1 sets the height of its selection field, which the control's own
// frame and margins surround, as Microsoft gives no numbers for: measured
// until the whole is the layout's height.
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

// The icon holds an image at each size the system asks at the usual DPIs.
UniqueIcon LoadIconSized(HINSTANCE instance, int width, int height) {
  return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_HEXLING), IMAGE_ICON, width, height, 0)));
}

}  // namespace

UniqueWindow CreateForm1Owner(HINSTANCE instance) {
  return UniqueWindow(Checked(CreateWindowExW(0, WC_STATICW, nullptr, WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT,
                                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr)));
}

HWND CreateForm1Frame(HWND owner, const wchar_t* windowClass, HINSTANCE instance, void* parameters) {
  RECT place{};
  GetWindowRect(owner, &place);
  return CreateWindowExW(Form1FrameExStyle, windowClass, Wide(Form1Layout.title).c_str(), Form1FrameStyle, place.left,
                         place.top, 0, 0, owner, nullptr, instance, parameters);
}

Form1ControlWindows CreateForm1Controls(HWND window, HINSTANCE instance) {
  Form1ControlWindows controls{};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    Checked(CreateWindowExW(0, WC_STATICW, Wide(layout.tooltip).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window,
                            nullptr, instance, nullptr));
    const KindOfControl kind = KindOf(layout.kind);
    controls[i] = Checked(CreateWindowExW(
        kind.exStyle, kind.windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind.style, 0, 0, 0, 0, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(Form1FirstControlId + static_cast<int>(i))), instance, nullptr));
    // comctl32 6 sizes the open list by this count, not by the window's height.
    if (layout.kind == ControlKind::PickList) SendMessageW(controls[i], CB_SETMINVISIBLE, Form1Layout.openListRows, 0);
  }
  return controls;
}

Form1Fonts LayOutForm1Controls(const Form1ControlWindows& controls, UINT dpi) {
  const int scale = static_cast<int>(dpi);
  Form1Fonts fonts;
  HDWP places = BeginDeferWindowPos(static_cast<int>(controls.size()));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    fonts[i] = LayoutFont(layout.points, dpi);
    SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[i].get()), FALSE);
    // The height given to a drop-down list is that of the list when open.
    const int rows = layout.kind == ControlKind::PickList ? Form1Layout.openListRows + 1 : 1;
    const TwipsRect at = layout.place;
    if (places) {
      places = DeferWindowPos(places, controls[i], nullptr, Pixels(at.left, scale), Pixels(at.top, scale),
                              Pixels(at.width, scale), Pixels(at.height, scale) * rows, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (places) EndDeferWindowPos(places);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    if (layout.kind == ControlKind::PickList) FitClosedHeight(controls[i], Pixels(layout.place.height, scale));
    InvalidateRect(controls[i], nullptr, TRUE);
  }
  return fonts;
}

SIZE Form1FrameSize(UINT dpi) {
  const int scale = static_cast<int>(dpi);
  RECT frame{0, 0, Pixels(Form1Layout.clientWidth, scale), Pixels(Form1Layout.clientHeight, scale)};
  AdjustWindowRectExForDpi(&frame, Form1FrameStyle, FALSE, Form1FrameExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

Form1Icons SetForm1Icons(HWND window, HINSTANCE instance, UINT dpi) {
  Form1Icons icons{
      LoadIconSized(instance, GetSystemMetricsForDpi(SM_CXICON, dpi), GetSystemMetricsForDpi(SM_CYICON, dpi)),
      LoadIconSized(instance, GetSystemMetricsForDpi(SM_CXSMICON, dpi), GetSystemMetricsForDpi(SM_CYSMICON, dpi))};
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
  return icons;
}

}  // namespace hexling
