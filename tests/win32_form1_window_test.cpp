// The user32 binding on real controls, in this process (under Wine in the
// Windows build's tests), driven with the messages that input and the
// controls themselves deliver.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>


#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "win32_form1_window.h"

namespace hexling {
namespace {

using Texts = std::vector<std::string>;

std::string WindowText(HWND window) {
  wchar_t text[256]{};
  GetWindowTextW(window, text, 256);
  return {text, text + wcslen(text)};  // ASCII throughout
}

Texts ListItems(HWND list) {
  Texts items;
  for (int i = 0, count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); i < count; ++i) {
    wchar_t item[16]{};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    items.emplace_back(item, item + wcslen(item));
  }
  return items;
}

std::string SelectedItem(HWND list) {
  const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  return selected < 0 ? "<none>" : ListItems(list)[static_cast<std::size_t>(selected)];
}

LPARAM Point(const RECT& rect) { return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }

RECT ItemRect(HWND list, int index) {
  RECT rect{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

class Win32Binding : public ::testing::Test {
 protected:
  // Delivers what is queued as the program's event loop does.
  void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!window.PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  // Shows the window and lets it finish what it does once it is on screen.
  void Show() {
    window.Show();
    Sleep(3 * USER_TIMER_MINIMUM);
    Pump();
  }
  void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
  void Char(HWND control, wchar_t character) {
    PostMessageW(control, WM_CHAR, character, 1);
    Pump();
  }
  // Keys as a keyboard gives them, about 50 ms apart: the event loop
  // translates each into its character.
  void Type(HWND control, std::string_view keys) {
    for (const char key : keys) {
      Sleep(50);
      Key(control, static_cast<WPARAM>(key));
    }
  }
  // Sends the control's notification to the window, as the control does.
  void Notify(HWND control, WORD code) {
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
  }
  // Opens the list, scrolls to the entry and clicks it.
  void ClickEntry(HWND combo, int index) {
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    SendMessageW(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const LPARAM at = Point(ItemRect(info.hwndList, index));
    PostMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
    PostMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
    Pump();
  }
  void ClickItem(int index, bool twice) {
    const LPARAM at = Point(ItemRect(list, index));
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    if (twice) {
      PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageW(list, WM_LBUTTONUP, 0, at);
    }
    Pump();
  }
  int IndexOf(const std::string& item) {
    const Texts items = ListItems(list);
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
  }

  Win32Form1Window window{GetModuleHandleW(nullptr)};
  HWND hexCombo = static_cast<Win32PickList&>(window.Model().HexCombo1).Handle();
  HWND translationCombo = static_cast<Win32PickList&>(window.Model().TranslationCombo1).Handle();
  HWND translationText = static_cast<Win32TextPane&>(window.Model().TranslationText1).Handle();
  HWND list = static_cast<Win32ItemList&>(window.Model().AllHexValuesList1).Handle();
};

TEST_F(Win32Binding, IsLoadedAndTopmostWithLine00AndBreakBeforeItIsShown) {
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageW(hexCombo, CB_GETCOUNT, 0, 0), 256);
  EXPECT_EQ(WindowText(hexCombo), "00  BRK  Stack/Interrupt");
  EXPECT_EQ(SendMessageW(translationCombo, CB_GETCOUNT, 0, 0), 90);
  EXPECT_EQ(WindowText(translationCombo), "BRK");
  EXPECT_EQ(WindowText(translationText), "Break");
  EXPECT_EQ(ListItems(list), Texts{"00"});
  EXPECT_EQ(SelectedItem(list), "00");
}

TEST_F(Win32Binding, KeysOnTheClosedHexListRunTheWholeChain) {
  Show();
  Key(hexCombo, VK_DOWN);
  EXPECT_EQ(WindowText(hexCombo), "01  ORA  DP Indexed Indirect,X");
  EXPECT_EQ(WindowText(translationCombo), "ORA");
  EXPECT_EQ(WindowText(translationText), "OR with Accumulator");
  EXPECT_EQ(ListItems(list).size(), 15u);
  EXPECT_EQ(SelectedItem(list), "01");

  Char(hexCombo, L'E');
  EXPECT_EQ(WindowText(hexCombo), "E0  CPX  Immediate");
  EXPECT_EQ(WindowText(translationText), "Compare with X");
}

TEST_F(Win32Binding, MousePickInTheOpenHexListRunsTheWholeChain) {
  Show();
  ClickEntry(hexCombo, 0xB9);
  EXPECT_FALSE(SendMessageW(hexCombo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(WindowText(hexCombo), "B9  LDA  Absolute Indexed,Y");
  EXPECT_EQ(WindowText(translationCombo), "LDA");
  EXPECT_EQ(WindowText(translationText), "Load to Accumulator");
  EXPECT_EQ(ListItems(list).size(), 15u);
}

TEST_F(Win32Binding, EveryPickRunsTheReactionOnceAndASelectionByMessageNone) {
  Show();
  int picks = 0;
  window.Model().TranslationCombo1.OnPick([&] { ++picks; });
  const auto picksAfter = [&](auto action) {
    picks = 0;
    action();
    return picks;
  };
  EXPECT_EQ(picksAfter([&] { Key(translationCombo, VK_DOWN); }), 1) << "a key on the closed list";
  EXPECT_EQ(picksAfter([&] { Char(translationCombo, L'S'); }), 1) << "type-ahead";
  EXPECT_EQ(picksAfter([&] { ClickEntry(translationCombo, 3); }), 1) << "a click on another entry";
  EXPECT_EQ(picksAfter([&] { ClickEntry(translationCombo, 3); }), 1) << "a click on the shown entry";
  EXPECT_EQ(picksAfter([&] {
              SendMessageW(translationCombo, CB_SHOWDROPDOWN, TRUE, 0);
              Key(translationCombo, VK_DOWN);
              Key(translationCombo, VK_DOWN);
            }),
            0) << "keys in the open list only move the highlight";
  EXPECT_EQ(picksAfter([&] { Key(translationCombo, VK_RETURN); }), 1) << "Return closes the open list on it";
  EXPECT_EQ(WindowText(translationCombo), "BEQ");
  EXPECT_EQ(picksAfter([&] { window.Model().TranslationCombo1.SetText("XCE"); }), 1) << "an assignment";
  EXPECT_EQ(picksAfter([&] { SendMessageW(translationCombo, CB_SETCURSEL, 0, 0); }), 0) << "a selection by message";
}

// The orders in which Windows sends a drop-down list's notifications, fed to
// the binding on a real control, the selection moved first as Windows moves
// it: each gives exactly one pick, or none for the cancel, which shows again
// what the list showed when it opened.
TEST_F(Win32Binding, EachNotificationOrderOfWindowsGivesOnePickOrNone) {
  struct Step {
    WORD code;
    int select = -1;  // the entry the control selects before it notifies; -1 for no change
  };
  const struct {
    const char* what;
    std::vector<Step> steps;
    std::vector<std::string> picks;
    const char* shown;
  } orders[] = {
      {"a mouse pick", {{CBN_DROPDOWN}, {CBN_SELENDOK, 5}, {CBN_CLOSEUP}, {CBN_SELCHANGE}}, {"BEQ"}, "BEQ"},
      {"keys in the open list",
       {{CBN_DROPDOWN}, {CBN_SELCHANGE, 1}, {CBN_SELCHANGE, 2}, {CBN_SELENDOK}, {CBN_CLOSEUP}},
       {"ASL"},
       "ASL"},
      {"an arrow on the closed list", {{CBN_SELENDOK, 1}, {CBN_SELCHANGE}}, {"AND"}, "AND"},
      {"a cancel", {{CBN_DROPDOWN}, {CBN_SELCHANGE, 1}, {CBN_SELCHANGE, 2}, {CBN_SELENDCANCEL}, {CBN_CLOSEUP}}, {}, "ADC"},
      {"the shown entry picked again", {{CBN_DROPDOWN}, {CBN_SELENDOK}, {CBN_CLOSEUP}}, {"ADC"}, "ADC"},
  };
  std::vector<std::string> picks;
  PickList& combo = window.Model().TranslationCombo1;
  combo.OnPick([&] { picks.push_back(combo.Text()); });
  for (const auto& order : orders) {
    SendMessageW(translationCombo, CB_SETCURSEL, 0, 0);  // ADC
    picks.clear();
    for (const Step& step : order.steps) {
      if (step.select >= 0) SendMessageW(translationCombo, CB_SETCURSEL, static_cast<WPARAM>(step.select), 0);
      Notify(translationCombo, step.code);
    }
    EXPECT_EQ(picks, order.picks) << order.what;
    EXPECT_EQ(WindowText(translationCombo), order.shown) << order.what;
  }
}

// Typing as a user types: LDA in the mnemonic list and A9 in the opcode list,
// where Wine's own lists would match the first letter only; one letter again
// moves on; in the open list the selection moves, and Return picks.
TEST_F(Win32Binding, TypingPicksTheEntryTheCharactersBegin) {
  Show();
  std::vector<std::string> picks;
  window.Model().TranslationCombo1.OnPick([&] { picks.push_back(WindowText(translationCombo)); });
  Type(translationCombo, "LDA");
  EXPECT_EQ(picks, Texts{"LDA"});
  Type(hexCombo, "A9");
  EXPECT_EQ(WindowText(hexCombo), "A9  LDA  Immediate");
  EXPECT_EQ(picks, (Texts{"LDA", "LDY", "LDA"})) << "A0, then A9";

  Sleep(4 * GetDoubleClickTime() + 50);  // each list starts a new group
  picks.clear();
  Type(translationCombo, "BB");
  EXPECT_EQ(picks, (Texts{"BCC", "BCS"})) << "the same letter again moves on";

  picks.clear();
  SendMessageW(hexCombo, CB_SHOWDROPDOWN, TRUE, 0);
  Type(hexCombo, "F0");
  EXPECT_EQ(WindowText(hexCombo), "F0  BEQ  Program Counter Relative");
  EXPECT_EQ(picks, Texts{}) << "in the open list, typing only moves the selection";
  Key(hexCombo, VK_RETURN);
  EXPECT_EQ(picks, Texts{"BEQ"});
}

TEST_F(Win32Binding, DoubleClickOnACodePicksItsLineAndKeepsItSelected) {
  Show();
  Char(translationCombo, L'L');  // LDA, the first mnemonic with an L
  ASSERT_EQ(WindowText(translationCombo), "LDA");
  const Texts codes = ListItems(list);
  ClickItem(IndexOf("B9"), true);
  EXPECT_EQ(WindowText(hexCombo), "B9  LDA  Absolute Indexed,Y");
  EXPECT_EQ(ListItems(list), codes);
  EXPECT_EQ(SelectedItem(list), "B9");
}

TEST_F(Win32Binding, ReturnInTheCodeListJumpsLikeADoubleClickAndASingleClickDoesNot) {
  Show();
  Char(translationCombo, L'S');  // SBC
  ClickItem(IndexOf("F1"), false);
  EXPECT_EQ(WindowText(hexCombo), "00  BRK  Stack/Interrupt");
  EXPECT_EQ(SelectedItem(list), "F1");
  Key(list, VK_RETURN);
  EXPECT_EQ(WindowText(hexCombo), "F1  SBC  DP Indirect Indexed,Y");
  EXPECT_EQ(SelectedItem(list), "F1");
}

// Escape does nothing in any control: the window stays, and so does a note
// typed in the description; in an open list it only closes the list, showing
// what it showed before, and nothing is picked.
TEST_F(Win32Binding, EscapeNeverClosesOrClearsAnythingAndCancelsAnOpenList) {
  Show();
  Char(translationCombo, L'L');  // LDA
  SetWindowTextW(translationText, L"a note");
  const std::string line = WindowText(hexCombo);
  const Texts codes = ListItems(list);
  for (HWND control : {hexCombo, translationCombo, translationText, list}) {
    SetFocus(control);
    if (control == hexCombo || control == translationCombo) {
      SendMessageW(control, CB_SHOWDROPDOWN, TRUE, 0);
      Key(control, VK_DOWN);
      Key(control, VK_DOWN);
      Key(control, VK_ESCAPE);
      EXPECT_FALSE(SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0)) << WindowText(control);
    }
    Key(control, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window.Handle()) && IsWindowVisible(window.Handle())) << WindowText(control);
    EXPECT_EQ(WindowText(translationText), "a note");
    EXPECT_EQ(WindowText(hexCombo), line);
    EXPECT_EQ(WindowText(translationCombo), "LDA");
    EXPECT_EQ(ListItems(list), codes);
  }
}

TEST_F(Win32Binding, TabVisitsTheControlsInLayoutOrderAndLeavesTheTextAlone) {
  Show();
  EXPECT_EQ(GetFocus(), hexCombo) << "the keyboard starts in the opcode list";
  for (HWND next : {translationCombo, translationText, list, hexCombo}) {
    Key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), next) << WindowText(next);
  }
  EXPECT_EQ(WindowText(translationText), "Break");

  // The box must not claim Tab when IsDialogMessage asks.
  MSG tab{translationText, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(SendMessageW(translationText, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) &
               (DLGC_WANTTAB | DLGC_WANTALLKEYS));
}

// For a screen reader: a hidden label with the tooltip's text just before each
// control in z-order, from which Microsoft's accessibility derives the name
// of a control without text of its own. Wine derives it for the text box
// only (a drop-down list gets its entry, the list box none), and ignores the
// names set by Dynamic Annotation: those only Windows shows.
TEST_F(Win32Binding, EachControlIsNamedForScreenReadersByTheLabelBeforeIt) {
  Show();
  const std::pair<HWND, const char*> controls[] = {{hexCombo, "Hex to ASM Command"},
                                                   {translationCombo, "ASM Command List"},
                                                   {translationText, "ASM Command Description"},
                                                   {list, "All existing values."}};
  for (const auto& [control, name] : controls) {
    const HWND label = GetWindow(control, GW_HWNDPREV);
    wchar_t labelClass[16]{};
    GetClassNameW(label, labelClass, 16);
    EXPECT_EQ(_wcsicmp(labelClass, WC_STATICW), 0) << name;
    EXPECT_FALSE(IsWindowVisible(label)) << name;
    EXPECT_EQ(WindowText(label), name);
  }
  IAccessible* accessible = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(translationText, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&accessible)),
            S_OK);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
  EXPECT_STREQ(name, L"ASM Command Description");
  SysFreeString(name);
  accessible->Release();
}

TEST_F(Win32Binding, FrameIsAFixedDialogWithACloseBoxTheIconAndNoTaskbarButton) {
  EXPECT_EQ(WindowText(window.Handle()), "Hexling");
  // No edge or corner to size it by: the pointer finds only a border there.
  RECT frame{};
  GetWindowRect(window.Handle(), &frame);
  const int midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
  for (const POINT at : {POINT{frame.left, midY}, POINT{frame.right - 1, midY}, POINT{midX, frame.bottom - 1},
                         POINT{frame.left, frame.bottom - 1}, POINT{frame.right - 1, frame.bottom - 1}}) {
    const LRESULT hit = SendMessageW(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST) << "hit code " << hit << " at " << at.x << "," << at.y;
  }
  MENUITEMINFOW state{};
  state.cbSize = sizeof state;
  state.fMask = MIIM_STATE;
  ASSERT_TRUE(GetMenuItemInfoW(GetSystemMenu(window.Handle(), FALSE), SC_CLOSE, FALSE, &state)) << "a close box";
  EXPECT_FALSE(state.fState & MFS_DISABLED);

  // The icon holds the sizes of 100% to 200% of the small and large icon,
  // and 256, in 32-bit colour; the largest as a PNG.
  const HMODULE program = GetModuleHandleW(nullptr);
  const HGLOBAL group = LoadResource(program, FindResourceW(program, MAKEINTRESOURCEW(1), RT_GROUP_ICON));
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(group));
  std::vector<int> sizes;
  for (int i = 0; i < directory[4]; ++i) {
    const BYTE* entry = directory + 6 + 14 * i;  // GRPICONDIRENTRY
    sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
    EXPECT_EQ(entry[6], 32) << "bits per pixel at " << sizes.back();
    const HGLOBAL image = LoadResource(program, FindResourceW(program, MAKEINTRESOURCEW(*reinterpret_cast<const WORD*>(entry + 12)), RT_ICON));
    const bool isPng = std::memcmp(LockResource(image), "\x89PNG", 4) == 0;
    EXPECT_EQ(isPng, sizes.back() == 256) << sizes.back();
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST_F(Win32Binding, CannotBeMinimisedOrMaximisedSinceNothingWouldBringItBack) {
  Show();
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsIconic(window.Handle()) || IsZoomed(window.Handle())) << "by the system menu or its keys";
  // Under Wine the window manager undoes a maximise by another program
  // itself; on Windows the window does, as it undoes this.
  ShowWindow(window.Handle(), SW_MINIMIZE);
  Pump();
  EXPECT_FALSE(IsIconic(window.Handle())) << "by another program";
}

// A move to a screen of another DPI, as Windows makes it: asked for its size
// at the new DPI, the window is then given a rectangle, which it takes as it
// is, and lays its controls, fonts and icons out for the new DPI; the fonts
// it had are gone, those in use are not.
TEST_F(Win32Binding, OnAMoveToAnotherDpiItTakesTheSuggestedRectangleAndLaysItselfOut) {
  const struct {
    UINT dpi;
    SIZE client;
    RECT hexCombo, translationCombo, translationText, list;
    LONG largeFont, smallFont;
  } scales[] = {
      {144, {687, 258}, {0, 0, 686, 39}, {0, 39, 122, 78}, {120, 39, 686, 163}, {0, 84, 118, 162}, -24, -20},
      {96, {458, 172}, {0, 0, 457, 26}, {0, 26, 81, 52}, {80, 26, 457, 108}, {0, 56, 79, 108}, -16, -13},
  };
  const auto fontOf = [](HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); };
  const auto iconWidth = [&](WPARAM which) {
    ICONINFO info{};
    GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window.Handle(), WM_GETICON, which, 0)), &info);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
  };
  for (const auto& scale : scales) {
    SIZE size{};
    ASSERT_TRUE(SendMessageW(window.Handle(), WM_GETDPISCALEDSIZE, scale.dpi, reinterpret_cast<LPARAM>(&size)));
    RECT frame{};  // what the frame adds at that DPI
    AdjustWindowRectExForDpi(&frame, GetWindowLongW(window.Handle(), GWL_STYLE), FALSE,
                             GetWindowLongW(window.Handle(), GWL_EXSTYLE), scale.dpi);
    EXPECT_EQ(size.cx - (frame.right - frame.left), scale.client.cx) << scale.dpi;
    EXPECT_EQ(size.cy - (frame.bottom - frame.top), scale.client.cy) << scale.dpi;

    RECT before{};
    GetWindowRect(window.Handle(), &before);
    const RECT suggested{before.left + 37, before.top + 23, before.left + 37 + size.cx, before.top + 23 + size.cy};
    const HFONT oldFonts[] = {fontOf(hexCombo), fontOf(list)};
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT taken{};
    GetWindowRect(window.Handle(), &taken);
    EXPECT_TRUE(EqualRect(&taken, &suggested)) << scale.dpi << " dpi: took " << taken.left << "," << taken.top << "-"
                                               << taken.right << "," << taken.bottom;

    const std::pair<HWND, RECT> controls[] = {{hexCombo, scale.hexCombo},
                                              {translationCombo, scale.translationCombo},
                                              {translationText, scale.translationText},
                                              {list, scale.list}};
    for (const auto& [control, expected] : controls) {
      RECT at{};
      GetWindowRect(control, &at);
      MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&at), 2);
      EXPECT_TRUE(EqualRect(&at, &expected)) << scale.dpi << " dpi: " << WindowText(control) << " at " << at.left
                                             << "," << at.top << "-" << at.right << "," << at.bottom;
    }
    for (const auto& [control, height] : {std::pair{hexCombo, scale.largeFont}, std::pair{list, scale.smallFont}}) {
      LOGFONTW font{};
      EXPECT_TRUE(GetObjectW(fontOf(control), sizeof font, &font)) << scale.dpi << ": a font in use is gone";
      EXPECT_EQ(font.lfHeight, height) << scale.dpi;
    }
    for (const HFONT old : oldFonts) {
      if (old == fontOf(hexCombo) || old == fontOf(list)) continue;  // a handle made again
      EXPECT_EQ(GetObjectType(old), 0u) << scale.dpi << ": a font no longer in use is kept";
    }
    EXPECT_EQ(iconWidth(ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, scale.dpi)) << scale.dpi;
    EXPECT_EQ(iconWidth(ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, scale.dpi)) << scale.dpi;
  }
}

// Where the window is made at 96 DPI, its client area is the layout's.
TEST_F(Win32Binding, ItsClientAreaIsTheLayoutsAt96Dpi) {
  ASSERT_EQ(GetDpiForWindow(window.Handle()), 96u);
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 458);
  EXPECT_EQ(client.bottom, 172);
}

TEST_F(Win32Binding, ControlsHaveTheirTooltipsAndAFixedPitchCourierNewRequest) {
  Show();
  HWND tooltips = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM found) {
        wchar_t name[64]{};
        GetClassNameW(candidate, name, 64);
        if (wcscmp(name, TOOLTIPS_CLASSW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = candidate;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tooltips));
  ASSERT_NE(tooltips, nullptr);
  EXPECT_TRUE(GetWindowLongW(tooltips, GWL_STYLE) & TTS_ALWAYSTIP) << "shown while another program has the focus";

  const std::pair<HWND, const char*> controls[] = {{hexCombo, "Hex to ASM Command"},
                                                   {translationCombo, "ASM Command List"},
                                                   {translationText, "ASM Command Description"},
                                                   {list, "All existing values."}};
  const HDC screen = GetDC(nullptr);
  for (const auto& [control, tooltip] : controls) {
    wchar_t text[80]{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tooltips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(text, text + wcslen(text)), tooltip);

    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW request{};
    GetObjectW(font, sizeof request, &request);
    EXPECT_STREQ(request.lfFaceName, L"Courier New") << tooltip;
    EXPECT_EQ(request.lfWeight, FW_NORMAL) << tooltip;
    EXPECT_FALSE(request.lfItalic || request.lfUnderline || request.lfStrikeOut) << tooltip;
    EXPECT_EQ(request.lfCharSet, ANSI_CHARSET) << tooltip;
    EXPECT_EQ(request.lfPitchAndFamily, FIXED_PITCH | FF_MODERN) << tooltip;
    // What the system gave for it: a fixed pitch, whatever its face.
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE narrow{}, wide{};
    GetTextExtentPoint32W(screen, L"iiii", 4, &narrow);
    GetTextExtentPoint32W(screen, L"WWWW", 4, &wide);
    SelectObject(screen, previous);
    EXPECT_EQ(narrow.cx, wide.cx) << tooltip << ": i and W differ in width";
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(Win32Binding, ControlsAreOfTheirKindsAndTheLongestDescriptionFits) {
  for (HWND combo : {hexCombo, translationCombo}) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    EXPECT_EQ(info.hwndItem, nullptr) << WindowText(combo) << ": a field to type in";
  }
  EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), LB_ERR) << "the code list selects more than one";
  Key(translationText, VK_END);
  Char(translationText, L'!');
  EXPECT_EQ(WindowText(translationText), "Break!") << "the description takes typing";
  RECT outer{}, inner{};
  GetWindowRect(translationText, &outer);
  GetClientRect(translationText, &inner);
  EXPECT_LE(outer.right - outer.left - inner.right, 2 * GetSystemMetrics(SM_CXEDGE)) << "room for a scroll bar";
  EXPECT_LE(outer.bottom - outer.top - inner.bottom, 2 * GetSystemMetrics(SM_CYEDGE)) << "room for a scroll bar";

  window.Model().TranslationCombo1.SetText("XBA");
  ASSERT_EQ(WindowText(translationText), "Exchange B and A Accumulators (ie- high 8bits swapped with low 8bits");
  const auto lines = static_cast<int>(SendMessageW(translationText, EM_GETLINECOUNT, 0, 0));
  EXPECT_GE(lines, 2) << "wrapped";
  RECT box{};
  SendMessageW(translationText, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
  const auto lastLine = static_cast<WPARAM>(SendMessageW(translationText, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0));
  const auto lastLineTop = static_cast<short>(HIWORD(SendMessageW(translationText, EM_POSFROMCHAR, lastLine, 0)));
  const auto lineHeight = static_cast<short>(HIWORD(SendMessageW(translationText, EM_POSFROMCHAR,
      static_cast<WPARAM>(SendMessageW(translationText, EM_LINEINDEX, 1, 0)), 0))) -
                          static_cast<short>(HIWORD(SendMessageW(translationText, EM_POSFROMCHAR, 0, 0)));
  EXPECT_LE(lastLineTop + lineHeight, box.bottom) << "the last line is cut off";
}

// CB_FINDSTRINGEXACT, the control's own search, ignores case.
TEST(Win32PickList, AssigningSelectsTheEntryOfExactlyThatText) {
  const HWND combo = CreateWindowExW(0, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST, 0, 0, 100, 200, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  Win32PickList pickList(combo);
  pickList.AppendAll({"adc", "ADC", "AND"});
  pickList.SetText("ADC");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  pickList.SetText("and");
  EXPECT_EQ(pickList.Text(), "");
  EXPECT_EQ(pickList.EntryAt(3), "");
  DestroyWindow(combo);
}

// Closed by its close box or destroyed any other way, the window ends the
// event loop with status 0.
TEST(Win32Program, HoweverTheWindowGoesTheEventLoopEndsWithStatus0) {
  for (const bool close : {true, false}) {
    Win32Form1Window window(GetModuleHandleW(nullptr));
    window.Show();
    const HWND handle = window.Handle();
    if (close) {
      PostMessageW(handle, WM_CLOSE, 0, 0);
    } else {
      DestroyWindow(handle);
    }
    // Should nothing end the loop, this does, with another status.
    const UINT_PTR deadline = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    EXPECT_EQ(RunEventLoop(window), 0) << (close ? "closed" : "destroyed");
    KillTimer(nullptr, deadline);
    EXPECT_FALSE(IsWindow(handle));
  }
}

}  // namespace
}  // namespace hexling
