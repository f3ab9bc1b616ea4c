// The user32 binding on real controls, in this process (under Wine in the
// Windows build's tests), driven with the messages that input and the
// controls themselves deliver.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

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
      if (!IsDialogMessageW(window.Handle(), &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  // Shows the window and lets it finish what it does once it is on screen.
  void Show() {
    window.Show(SW_SHOWNORMAL);
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
  // An owned window that is not an app window gets no taskbar button.
  const HWND owner = GetWindow(window.Handle(), GW_OWNER);
  EXPECT_TRUE(owner != nullptr && !IsWindowVisible(owner));
  EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);

  // The icon is one 32 x 32 image with a 256-colour palette.
  const HMODULE program = GetModuleHandleW(nullptr);
  const HGLOBAL group = LoadResource(program, FindResourceW(program, MAKEINTRESOURCEW(1), RT_GROUP_ICON));
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(group));
  EXPECT_EQ(directory[4], 1) << "images";
  EXPECT_EQ(directory[6], 32) << "width";
  EXPECT_EQ(directory[7], 32) << "height";
  EXPECT_EQ(directory[12], 8) << "bits per pixel";
  EXPECT_NE(GetClassLongPtrW(window.Handle(), GCLP_HICON), 0u);
}

TEST_F(Win32Binding, CannotBeMinimisedOrMaximisedSinceNothingWouldBringItBack) {
  Show();
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsIconic(window.Handle()) || IsZoomed(window.Handle())) << "by the system menu or its keys";
  ShowWindow(window.Handle(), SW_MINIMIZE);
  Pump();
  EXPECT_FALSE(IsIconic(window.Handle())) << "by another program";
}

TEST_F(Win32Binding, ClientAreaControlsAndFontsFollowTheDpi) {
  const struct {
    UINT dpi;
    SIZE client;
    RECT hexCombo, translationCombo, translationText, list;
    LONG largeFont, smallFont;
  } scales[] = {
      {96, {458, 172}, {0, 0, 457, 26}, {0, 26, 81, 52}, {80, 26, 457, 108}, {0, 56, 79, 108}, -16, -13},
      {144, {687, 258}, {0, 0, 686, 39}, {0, 39, 122, 78}, {120, 39, 686, 163}, {0, 84, 118, 162}, -24, -20},
  };
  for (const auto& scale : scales) {
    RECT suggested{};
    GetWindowRect(window.Handle(), &suggested);
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, scale.client.cx) << scale.dpi;
    EXPECT_EQ(client.bottom, scale.client.cy) << scale.dpi;
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
    const auto fontHeight = [](HWND control) {
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
      return font.lfHeight;
    };
    EXPECT_EQ(fontHeight(hexCombo), scale.largeFont) << scale.dpi;
    EXPECT_EQ(fontHeight(list), scale.smallFont) << scale.dpi;
  }
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

TEST(Win32Program, ClosingTheWindowEndsTheEventLoopWithStatus0) {
  Win32Form1Window window(GetModuleHandleW(nullptr));
  window.Show(SW_SHOWNORMAL);
  PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(RunEventLoop(window), 0);
  EXPECT_FALSE(IsWindow(window.Handle()));
}

}  // namespace
}  // namespace hexling
