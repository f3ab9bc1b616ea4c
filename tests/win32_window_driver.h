// The window driven with the messages that input delivers, through the
// program's own handling of the event loop (under Wine in the Windows
// build's tests): the behaviour table's driver, and the Windows tests' own.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "win32_clipboard.h"
#include "win32_form1_window.h"
#include "window_driver.h"

namespace hexling::testing {

// A window's going posts a quit, which the next window's loop must not see.
inline void DropTheQuit() {
  MSG quit{};
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

inline std::string Ascii(const wchar_t* text) { return {text, text + wcslen(text)}; }  // ASCII throughout

inline std::string WindowText(HWND window) {
  wchar_t text[256]{};
  GetWindowTextW(window, text, 256);
  return Ascii(text);
}

inline std::string ListText(HWND list, int index) {
  wchar_t text[256]{};
  if (index < 0 || SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= 256) return {};
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return Ascii(text);
}

inline LPARAM ItemCentre(HWND list, int index) {
  RECT rect{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

inline HWND OpenListOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info.hwndList;
}

// The menu on screen as MenuShown, but for its place, in the menu's screen
// coordinates; then Copy is chosen from the keyboard. Runs in the menu's own
// event loop.
inline MenuShown* menuShown = nullptr;
inline POINT menuCorner{};

inline void CALLBACK ChooseFromMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return;
  KillTimer(nullptr, timer);
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64]{};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    std::string entry = Ascii(text).substr(0, Ascii(text).find('\t'));
    std::erase(entry, '&');
    if (!entry.empty()) menuShown->entries.push_back(entry);
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) menuShown->active = entry;
  }
  RECT at{};
  GetWindowRect(menuWindow, &at);
  menuCorner = {at.left, at.top};
  if (menuShown->active == "Copy") {
    PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 1);
  } else {
    PostMessageW(menuWindow, WM_CHAR, 'c', 1);  // its access key
  }
}

class Win32WindowDriver final : public WindowDriver {
 public:
  Win32WindowDriver() {
    window_.emplace(GetModuleHandleW(nullptr));
    window_->Show();
    Pump();
  }
  ~Win32WindowDriver() override {
    window_.reset();
    DropTheQuit();
  }

  void Press(std::size_t control, Key key) override {
    struct Stroke {
      WPARAM key;
      BYTE held = 0;  // a modifier held down
      WORD flags = 0;
    };
    static constexpr Stroke strokes[] = {{VK_DOWN},          {VK_RETURN},  {VK_RETURN, 0, KF_EXTENDED},
                                         {VK_ESCAPE},        {VK_TAB},     {VK_TAB, VK_SHIFT},
                                         {VK_END},           {'A', VK_CONTROL}, {'C', VK_CONTROL},
                                         {VK_INSERT, VK_CONTROL, KF_EXTENDED}, {VK_SPACE}};
    const Stroke& stroke = strokes[static_cast<int>(key)];
    PressKey(Keyboard(control), stroke.key, stroke.held, stroke.flags);
  }
  // Keys about 50 ms apart, as a keyboard gives them; the event loop
  // translates each into its character.
  void Type(std::size_t control, std::string_view characters) override {
    const HWND target = Keyboard(control);
    for (const char character : characters) {
      Sleep(50);
      const SHORT key = VkKeyScanW(static_cast<wchar_t>(character));
      PressKey(target, LOBYTE(key), (key >> 8) & 1 ? VK_SHIFT : 0);
    }
  }
  void OpenList(std::size_t combo) override { PressKey(Keyboard(combo), VK_DOWN, VK_MENU, KF_ALTDOWN, WM_SYSKEYDOWN); }
  // Opens the list, as a click on the field does, scrolls to the entry and clicks it.
  void ClickEntry(std::size_t combo, std::string_view entry) override {
    const HWND field = Keyboard(combo);
    SendMessageW(field, CB_SHOWDROPDOWN, TRUE, 0);
    const std::wstring wide(entry.begin(), entry.end());
    const auto index = static_cast<int>(
        SendMessageW(field, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())));
    SendMessageW(OpenListOf(field), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    PostMessageW(OpenListOf(field), WM_MOUSEMOVE, 0, ItemCentre(OpenListOf(field), index));
    Click(OpenListOf(field), ItemCentre(OpenListOf(field), index), WM_LBUTTONDOWN);
  }
  void ClickCode(std::string_view code, int clicks, bool withCtrl) override {
    const LPARAM at = ItemCentre(Control(CodeList), IndexOf(code));
    HoldKey(withCtrl ? VK_CONTROL : 0, [&] { Click(Control(CodeList), at, WM_LBUTTONDOWN, withCtrl ? MK_CONTROL : 0); });
    if (clicks > 1) Click(Control(CodeList), at, WM_LBUTTONDBLCLK);
  }
  MenuShown CopyByMenu(std::size_t list, MenuBy by, std::string_view code) override {
    MenuShown shown;
    menuShown = &shown;
    const UINT_PTR chooser = SetTimer(nullptr, 0, 50, &ChooseFromMenu);
    const HWND control = Keyboard(list);
    if (by == MenuBy::RightButton) {
      RECT field{};
      GetClientRect(control, &field);
      Click(control, code.empty() ? MAKELPARAM(field.right / 2, field.bottom / 2) : ItemCentre(control, IndexOf(code)),
            WM_RBUTTONDOWN);
    } else if (by == MenuBy::ShiftF10) {  // its release comes while the menu is open, which takes it
      HoldKey(VK_SHIFT, [&] { PostMessageW(control, WM_SYSKEYDOWN, VK_F10, 1); });
    } else {  // from the keyboard itself: the system makes WM_CONTEXTMENU of its release
      INPUT keys[2]{};
      for (INPUT& key : keys) key = {.type = INPUT_KEYBOARD, .ki = {.wVk = VK_APPS, .wScan = 0, .dwFlags = 0, .time = 0, .dwExtraInfo = 0}};
      keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(2, keys, sizeof(INPUT));
      Sleep(50);
      Pump();
    }
    KillTimer(nullptr, chooser);
    menuShown = nullptr;
    shown.place = PlaceOf(menuCorner, list);
    return shown;
  }
  void ScrollCodesToEnd() override {
    SendMessageW(Control(CodeList), WM_VSCROLL, SB_BOTTOM, 0);
    Pump();
  }

  bool IsShown() override { return IsWindowVisible(window_->Handle()); }
  std::string Text(std::size_t control) override { return WindowText(Control(control)); }
  std::vector<std::string> Codes() override {
    std::vector<std::string> codes;
    for (int i = 0; i < SendMessageW(Control(CodeList), LB_GETCOUNT, 0, 0); ++i) codes.push_back(ListText(Control(CodeList), i));
    return codes;
  }
  std::string SelectedCode() override {
    return ListText(Control(CodeList), static_cast<int>(SendMessageW(Control(CodeList), LB_GETCURSEL, 0, 0)));
  }
  std::string Highlighted(std::size_t combo) override {
    if (!SendMessageW(Control(combo), CB_GETDROPPEDSTATE, 0, 0)) return {};
    const HWND open = OpenListOf(Control(combo));
    return ListText(open, static_cast<int>(SendMessageW(open, LB_GETCURSEL, 0, 0)));
  }
  std::size_t Focus() override {
    std::size_t control = 0;
    while (control < NoControl && GetFocus() != Control(control)) ++control;
    return control;
  }
  // The controls draw their focus cues by this state, which a window that
  // is not a dialog starts with hidden.
  bool ShowsFocus(std::size_t control) override {
    return !(SendMessageW(Control(control), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
  }
  std::string Clipboard() override {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<the clipboard is held>";
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      text = Ascii(static_cast<const wchar_t*>(GlobalLock(data)));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
  void SetClipboard(std::string_view text) override { PutOnClipboard(window_->Handle(), text); }

  PixelRect Place(std::size_t control) override {
    RECT at{};
    GetWindowRect(Control(control), &at);
    MapWindowPoints(HWND_DESKTOP, window_->Handle(), reinterpret_cast<POINT*>(&at), 2);
    return {at.left, at.top, at.right - at.left, at.bottom - at.top};
  }
  // What the window's tooltip shows for the control, also while another
  // program has the focus.
  std::string Tooltip(std::size_t control) override {
    HWND tooltips = nullptr;
    do {
      tooltips = FindWindowExW(nullptr, tooltips, TOOLTIPS_CLASSW, nullptr);
    } while (tooltips && GetWindow(tooltips, GW_OWNER) != window_->Handle());
    if (!tooltips || !(GetWindowLongW(tooltips, GWL_STYLE) & TTS_ALWAYSTIP)) return "<none that shows always>";
    wchar_t text[80]{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_->Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Control(control));
    tool.lpszText = text;
    SendMessageW(tooltips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return Ascii(text);
  }
  FontShown Font(std::size_t control) override {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ before = SelectObject(screen, reinterpret_cast<HFONT>(SendMessageW(Control(control), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SIZE narrow{}, wide{};
    GetTextExtentPoint32W(screen, L"iiii", 4, &narrow);
    GetTextExtentPoint32W(screen, L"WWWW", 4, &wide);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    return {metrics.tmHeight - metrics.tmInternalLeading, narrow.cx == wide.cx,
            metrics.tmWeight == FW_NORMAL && !metrics.tmItalic};
  }
  bool ShowsWholeDescription() override {
    const HWND text = Control(Description);
    const auto lines = static_cast<int>(SendMessageW(text, EM_GETLINECOUNT, 0, 0));
    RECT box{};
    SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
    const auto topOf = [&](int line) {
      const auto first = static_cast<WPARAM>(SendMessageW(text, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
      return static_cast<short>(HIWORD(SendMessageW(text, EM_POSFROMCHAR, first, 0)));
    };
    return lines >= 2 && topOf(lines - 1) + (topOf(1) - topOf(0)) <= box.bottom;
  }

  Win32Form1Window& Window() { return *window_; }
  HWND Control(std::size_t control) { return GetDlgItem(window_->Handle(), Form1FirstControlId + static_cast<int>(control)); }
  // Delivers what is queued as the program's event loop does.
  void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!window_->PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  // A key down and up, with `held` down in the thread's keyboard state, as
  // the translation of keys and the dialog keys read it.
  void PressKey(HWND target, WPARAM key, BYTE held = 0, WORD flags = 0, UINT down = WM_KEYDOWN) {
    const LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) | flags) << 16;
    HoldKey(held, [&] {
      PostMessageW(target, down, key, data);
      PostMessageW(target, down + 1, key, data | 0xC0000000);  // WM_KEYUP, WM_SYSKEYUP
    });
  }

 private:
  template <class Action>
  void HoldKey(BYTE held, Action action) {
    BYTE state[256]{}, before[256]{};
    GetKeyboardState(before);
    std::memcpy(state, before, sizeof state);
    if (held) state[held] = 0x80;
    SetKeyboardState(state);
    action();
    Pump();
    SetKeyboardState(before);
  }
  // A button down, with its up to follow, at a place in the control.
  void Click(HWND control, LPARAM at, UINT down, WPARAM held = 0) {
    PostMessageW(control, down, (down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON) | held, at);
    PostMessageW(control, down == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
    Pump();
  }
  // Where the keys for the control go: the control, given the keyboard;
  // an open list's field keeps it.
  HWND Keyboard(std::size_t control) {
    if (GetFocus() != Control(control)) SetFocus(Control(control));
    return Control(control);
  }
  // Where a menu whose corner is `at` on the screen opened, for the control.
  std::string PlaceOf(POINT at, std::size_t control) {
    RECT shown{};
    GetWindowRect(Control(control), &shown);
    if (at.x == shown.left && at.y == shown.bottom) return "below the control";
    for (int index = 0; control == CodeList && index < static_cast<int>(Codes().size()); ++index) {
      RECT item{};
      SendMessageW(Control(CodeList), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
      MapWindowPoints(Control(CodeList), HWND_DESKTOP, reinterpret_cast<POINT*>(&item), 2);
      if (at.x == item.left && at.y == item.bottom) return "below code " + Codes()[static_cast<std::size_t>(index)];
    }
    return "at " + std::to_string(at.x - shown.left) + "," + std::to_string(at.y - shown.top) + " in the control";
  }
  int IndexOf(std::string_view code) {
    const std::vector<std::string> codes = Codes();
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
  }

  std::optional<Win32Form1Window> window_;
};

}  // namespace hexling::testing
