// What only the user32 binding has: the notifications Windows sends and the
// keys it leaves to the program, moves between screens of another DPI, the
// frame's icons and owner, names for screen readers, and the program's life
// and failures. What both bindings share is in the behaviour table. Driven
// with the messages that input and the controls deliver, in this process
// (under Wine in the Windows build's tests).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "win32_form1_window.h"
#include "win32_kept_failure.h"
#include "win32_last_error.h"
#include "win32_text.h"
#include "win32_window_driver.h"

namespace hexling {
namespace {

using Texts = std::vector<std::string>;

using testing::DropTheQuit;
using testing::WindowText;

// The window on screen, with the driver's input.
class Win32Binding : public ::testing::Test {
 protected:
  // Sends the control's notification to the window, as the control does.
  void Notify(HWND control, WORD code) {
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
  }

  testing::Win32WindowDriver driver;
  Win32Form1Window& window = driver.Window();
  HWND hexCombo = driver.Control(testing::HexCombo);
  HWND translationCombo = driver.Control(testing::MnemonicCombo);
  HWND translationText = driver.Control(testing::Description);
  HWND list = driver.Control(testing::CodeList);
};

// Loaded, topmost and owned by a hidden window before it is first shown: it
// never gets a taskbar button ("The Taskbar").
TEST(Win32Program, BeforeItIsFirstShownTheWindowIsLoadedTopmostAndOwnedByAHiddenWindow) {
  {
    Win32Form1Window window(GetModuleHandleW(nullptr));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const HWND owner = GetWindow(window.Handle(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "a button all the same";
    EXPECT_EQ(WindowText(GetDlgItem(window.Handle(), Form1FirstControlId)), "00  BRK  Stack/Interrupt");
    window.Show();
    EXPECT_EQ(GetWindow(window.Handle(), GW_OWNER), owner);
  }
  DropTheQuit();
}

// The frame itself gets the keyboard when the window is activated, and
// gives it to the control that had it when the window lost it.
TEST_F(Win32Binding, TheKeyboardComesBackToTheControlThatHadIt) {
  SetFocus(list);
  SendMessageW(window.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(window.Handle());
  EXPECT_EQ(GetFocus(), list);
}

// A drop-down list's notifications in the orders Wine sends them, and with
// CBN_CLOSEUP before the end of the choice, since Windows documents that
// their order cannot be predicted; fed to the binding on a real control, the
// selection moved first as the control moves it. One pick for each change of
// entry on the closed list and for each pick from the open one, none for the
// cancel, which shows again what the list showed when it opened, nor for a
// highlight moved in the open list.
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
      {"the wheel on the closed list, twice", {{CBN_SELCHANGE, 1}, {CBN_SELCHANGE, 2}}, {"AND", "ASL"}, "ASL"},
      {"a change, then its CBN_SELENDOK", {{CBN_SELCHANGE, 1}, {CBN_SELENDOK}}, {"AND"}, "AND"},
      {"Home on the closed list's first entry", {{CBN_SELCHANGE, 0}}, {}, "ADC"},
      {"a cancel", {{CBN_DROPDOWN}, {CBN_SELCHANGE, 1}, {CBN_SELCHANGE, 2}, {CBN_SELENDCANCEL}, {CBN_CLOSEUP}}, {}, "ADC"},
      {"a cancel, closed up first", {{CBN_DROPDOWN}, {CBN_SELCHANGE, 2}, {CBN_CLOSEUP}, {CBN_SELENDCANCEL}}, {}, "ADC"},
      {"a pick, closed up first", {{CBN_DROPDOWN}, {CBN_SELCHANGE, 2}, {CBN_CLOSEUP}, {CBN_SELENDOK}}, {"ASL"}, "ASL"},
      {"the shown entry picked again", {{CBN_DROPDOWN}, {CBN_SELENDOK}, {CBN_CLOSEUP}}, {"ADC"}, "ADC"},
  };
  std::vector<std::string> picks;
  PickList& combo = window.Model().TranslationCombo1;
  combo.picked.Connect([&] { picks.push_back(combo.Text()); });
  for (const auto& order : orders) {
    combo.SetText("ADC");
    picks.clear();
    for (const Step& step : order.steps) {
      if (step.select >= 0) SendMessageW(translationCombo, CB_SETCURSEL, static_cast<WPARAM>(step.select), 0);
      Notify(translationCombo, step.code);
    }
    EXPECT_EQ(picks, order.picks) << order.what;
    EXPECT_EQ(WindowText(translationCombo), order.shown) << order.what;
  }
}

// What a screen reader is told of a drop-down list's value, by each change.
std::vector<std::string> valuesTold;

void CALLBACK ValueTold(HWINEVENTHOOK, DWORD, HWND combo, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT) valuesTold.push_back(WindowText(combo));
}

TEST_F(Win32Binding, TypingTellsAScreenReaderEachEntryItMovesTo) {
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &ValueTold,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  driver.Type(testing::HexCombo, "A9");
  driver.Pump();
  UnhookWinEvent(hook);
  EXPECT_EQ(valuesTold, (Texts{"A0  LDY  Immediate", "A9  LDA  Immediate"}));
}

// For a screen reader: a hidden label with the tooltip's text just before each
// control in z-order, from which Microsoft's accessibility derives the name
// of a control without text of its own ("How to Use Invisible Labels"); what
// a screen reader says only Windows shows (Wine derives the text box's only).
TEST_F(Win32Binding, EachControlIsNamedForScreenReadersByTheLabelBeforeIt) {
  for (std::size_t i = 0; i < Form1Layout.controls.size(); ++i) {
    const HWND label = GetWindow(driver.Control(i), GW_HWNDPREV);
    wchar_t labelClass[16]{};
    GetClassNameW(label, labelClass, 16);
    EXPECT_EQ(_wcsicmp(labelClass, WC_STATICW), 0) << Form1Layout.controls[i].name;
    EXPECT_FALSE(IsWindowVisible(label)) << Form1Layout.controls[i].name;
    EXPECT_EQ(WindowText(label), Form1Layout.controls[i].tooltip);
  }
}

TEST_F(Win32Binding, NoBorderSizesTheWindowTheDescriptionHasNoScrollBarAndTheIconHasEverySize) {
  // No edge or corner to size it by: the pointer finds only a border there.
  RECT frame{};
  GetWindowRect(window.Handle(), &frame);
  const int midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
  for (const POINT at : {POINT{frame.left, midY}, POINT{frame.right - 1, midY}, POINT{midX, frame.bottom - 1},
                         POINT{frame.left, frame.bottom - 1}, POINT{frame.right - 1, frame.bottom - 1}}) {
    const LRESULT hit = SendMessageW(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST) << "hit code " << hit << " at " << at.x << "," << at.y;
  }
  RECT outer{}, inner{};
  GetWindowRect(translationText, &outer);
  GetClientRect(translationText, &inner);
  EXPECT_LE(outer.right - outer.left - inner.right, 2 * GetSystemMetrics(SM_CXEDGE)) << "the description has a scroll bar";
  EXPECT_LE(outer.bottom - outer.top - inner.bottom, 2 * GetSystemMetrics(SM_CYEDGE)) << "the description has a scroll bar";

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
  const struct {
    const char* by;
    std::function<void()> ask;
  } asks[] = {
      {"the system menu's minimise", [&] { SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
      {"the system menu's maximise", [&] { SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0); }},
      {"another program", [&] { ShowWindow(window.Handle(), SW_MINIMIZE); }},
  };
  for (const auto& ask : asks) {
    ask.ask();
    driver.Pump();
    EXPECT_FALSE(IsIconic(window.Handle()) || IsZoomed(window.Handle())) << ask.by;
  }
}

// A move to a screen of another DPI, as Windows makes it: asked for its size
// at the new DPI, the window is then given a rectangle, which it takes as it
// is, and lays its controls, fonts and icons out for the new DPI; the fonts
// it had are gone, those in use are not.
TEST_F(Win32Binding, OnAMoveToAnotherDpiItTakesTheSuggestedRectangleAndLaysItselfOut) {
  const struct {
    UINT dpi;
    SIZE client;
    std::array<testing::PixelRect, 4> places;  // in focus order
    int largeFont, smallFont;
  } scales[] = {
      {144, {687, 258}, {{{0, 0, 686, 39}, {0, 39, 122, 39}, {120, 39, 566, 124}, {0, 84, 118, 78}}}, 24, 20},
      {96, {458, 172}, std::to_array(testing::PlacesAt96Dpi), testing::FontPixelsAt96Dpi[testing::HexCombo],
       testing::FontPixelsAt96Dpi[testing::CodeList]},
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

    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(driver.Place(i), scale.places[i]) << scale.dpi << " dpi, control " << i;
    EXPECT_EQ(driver.Font(testing::HexCombo).pixels, scale.largeFont) << scale.dpi << ": the font in use is gone";
    EXPECT_EQ(driver.Font(testing::CodeList).pixels, scale.smallFont) << scale.dpi;
    for (const HFONT old : oldFonts) {
      if (old == fontOf(hexCombo) || old == fontOf(list)) continue;  // a handle made again
      EXPECT_EQ(GetObjectType(old), 0u) << scale.dpi << ": a font no longer in use is kept";
    }
    EXPECT_EQ(iconWidth(ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, scale.dpi)) << scale.dpi;
    EXPECT_EQ(iconWidth(ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, scale.dpi)) << scale.dpi;
  }
}

// CB_FINDSTRINGEXACT, the control's own search, ignores case.
TEST(Win32PickList, AssigningSelectsTheEntryOfExactlyThatText) {
  const HWND combo = CreateWindowExW(0, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST, 0, 0, 100, 200, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  Win32PickList pickList(combo);
  pickList.Append({"adc", "ADC", "AND"});
  pickList.SetText("ADC");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  pickList.SetText("and");
  EXPECT_EQ(pickList.Text(), "");
  EXPECT_EQ(pickList.EntryAt(3), "");
  DestroyWindow(combo);
}

// Run with a French locale by a CTest test of its own: what a refusal says
// in the box is Windows' own message, its accents whole.
TEST(Win32Program, InFrenchARefusalSaysWindowsOwnWords) {
  SetLastError(ERROR_ACCESS_DENIED);
  std::string said;
  try {
    ThrowLastError("CreateWindowExW");
  } catch (const std::system_error& error) {
    said = error.what();
  }
  EXPECT_EQ(Wide(said), L"CreateWindowExW: Acc\u00e8s refus\u00e9.");
}

// A failure in a reaction reaches no further than the window procedure: the
// loop ends with status 1, the first failure kept, and the window goes with
// the program.
TEST(Win32Program, AFailureInAReactionEndsTheLoopWithStatus1AndKeepsTheFirst) {
  {
    Win32Form1Window window(GetModuleHandleW(nullptr));
    window.Show();
    int reactions = 0;
    window.Model().HexCombo1.picked.Connect([&] { throw std::runtime_error("injected " + std::to_string(++reactions)); });
    const HWND combo = static_cast<Win32PickList&>(window.Model().HexCombo1).Handle();
    for (int press = 0; press < 2; ++press) {
      PostMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
      PostMessageW(combo, WM_KEYUP, VK_DOWN, 0xC0000001);
    }
    EXPECT_EQ(RunEventLoop(window), 1);
    ASSERT_EQ(reactions, 2) << "the quit comes after what was queued before it";
    const std::exception_ptr failure = TakeFailure();
    ASSERT_TRUE(failure);
    try {
      std::rethrow_exception(failure);
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "injected 1");
    }
    EXPECT_FALSE(TakeFailure()) << "kept twice";
  }
  EXPECT_EQ(FindWindowW(L"HexlingForm1", nullptr), nullptr);
  DropTheQuit();
}

// Control creation refused (by a hook, as a system out of window handles
// would): the program says so in one message box, which waits for the user,
// returns 1 and leaves no window behind.
HHOOK hook = nullptr;
std::vector<std::wstring> boxes;  // the text of every message box shown
bool waitedForTheUser = false;

LRESULT CALLBACK RefuseTheListBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* creating = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
    wchar_t parentClass[32]{};
    GetClassNameW(creating->hwndParent, parentClass, 32);
    // Common controls 6 name their classes with their version: "6.0.2600.2982!Listbox".
    const std::wstring_view name = IS_INTRESOURCE(creating->lpszClass) ? L"" : creating->lpszClass;
    const std::wstring kind(name.substr(name.find_last_of(L'!') + 1));
    if (_wcsicmp(kind.c_str(), WC_LISTBOXW) == 0 && wcscmp(parentClass, L"HexlingForm1") == 0) return 1;
  }
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16]{}, text[256]{};
    GetClassNameW(box, className, 16);
    if (wcscmp(className, L"#32770") == 0) {
      GetDlgItemTextW(box, 0xFFFF, text, 256);  // the static text of a message box
      boxes.emplace_back(text);
      SetTimer(box, 1, 300, [](HWND shown, UINT, UINT_PTR, DWORD) {
        waitedForTheUser = IsWindowVisible(shown);
        PostMessageW(shown, WM_COMMAND, IDOK, 0);
      });
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

TEST(Win32Program, AFailureWhileTheWindowIsMadeShowsOneMessageThatWaitsAndReturns1) {
  hook = SetWindowsHookExW(WH_CBT, &RefuseTheListBox, nullptr, GetCurrentThreadId());
  const int status = RunForm1Program(GetModuleHandleW(nullptr));
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(status, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes.front().find(L"Hexling has to stop"), std::wstring::npos);
  EXPECT_TRUE(waitedForTheUser) << "the box closed by itself";
  EXPECT_EQ(FindWindowW(L"HexlingForm1", nullptr), nullptr);
  EXPECT_FALSE(TakeFailure());
}

}  // namespace
}  // namespace hexling
