// What the window does for a user, alike on every platform: each row is
// what a user does and what the window must show after it, run against the
// binding of this test program by its driver, on real controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "asm_command_table.h"
#include "window_driver.h"

namespace hexling::testing {
namespace {

// What a user does, in the driver's terms.
using Step = std::function<void(WindowDriver&)>;

Step Press(std::size_t control, Key key) { return [=](WindowDriver& window) { window.Press(control, key); }; }
Step Type(std::size_t control, std::string_view text) { return [=](WindowDriver& window) { window.Type(control, text); }; }
Step Open(std::size_t combo) { return [=](WindowDriver& window) { window.OpenList(combo); }; }
Step Pick(std::size_t combo, std::string_view entry) { return [=](WindowDriver& window) { window.ClickEntry(combo, entry); }; }
Step Pause(std::chrono::milliseconds time) { return [=](WindowDriver&) { std::this_thread::sleep_for(time); }; }
Step Click(std::string_view code) { return [=](WindowDriver& window) { window.ClickCode(code, 1, false); }; }
Step CtrlClick(std::string_view code) { return [=](WindowDriver& window) { window.ClickCode(code, 1, true); }; }
Step DoubleClick(std::string_view code) { return [=](WindowDriver& window) { window.ClickCode(code, 2, false); }; }
Step ScrollCodesToEnd() { return [](WindowDriver& window) { window.ScrollCodesToEnd(); }; }
// A list's menu offers Copy alone, the description's its own entries, Copy
// among them; Copy is chosen. From the keyboard, a list's menu opens with
// Copy active, at `place`.
Step Menu(std::size_t control, MenuBy by, std::string_view place = {}, std::string_view code = {}) {
  return [=](WindowDriver& window) {
    const MenuShown menu = window.CopyByMenu(control, by, code);
    if (control == Description) {
      EXPECT_NE(std::find(menu.entries.begin(), menu.entries.end(), "Copy"), menu.entries.end()) << "no Copy in its menu";
      return;
    }
    EXPECT_EQ(menu.entries, std::vector<std::string>{"Copy"});
    EXPECT_EQ(menu.active, by == MenuBy::RightButton ? "" : "Copy") << "the entry active at once";
    if (!place.empty()) {
      EXPECT_EQ(menu.place, place) << "where the menu opened";
    }
  };
}

// What the window shows after the steps. The description and the codes are
// the mnemonic's; the other lists are closed.
struct Shows {
  std::string_view line, mnemonic, selected;
  std::string_view description = {};  // where it is not the mnemonic's: a note was typed
  std::string_view copied = {};       // where something was copied
  std::size_t focus = NoControl;      // where the keyboard must be, and show it
  std::size_t open = NoControl;       // a list left open,
  std::string_view highlighted = {};  // and its highlighted entry
  bool wholeDescription = false;      // every line of the description in view
};

struct Row {
  const char* name;
  std::vector<Step> steps;
  Shows shows;
  const char* notOn = "";  // a binding that cannot show it or whose platform does otherwise,
  const char* why = "";    // and why
};

using namespace std::chrono_literals;

constexpr std::string_view Line00 = "00  BRK  Stack/Interrupt";
constexpr std::string_view NothingCopied = "what the clipboard held";
constexpr std::string_view Below = "below the control";

// clang-format off
const Row Rows[] = {
    {"AtStartItShowsLine00AndBreakWithTheKeyboardInTheOpcodeList", {}, {Line00, "BRK", "00", {}, {}, HexCombo}},
    {"AnArrowKeyOnTheClosedOpcodeListPicksTheNextLine", {Press(HexCombo, Key::Down)},
     {"01  ORA  DP Indexed Indirect,X", "ORA", "01"}},
    {"AClickInTheOpenOpcodeListPicksItsLine", {Pick(HexCombo, "B9  LDA  Absolute Indexed,Y")},
     {"B9  LDA  Absolute Indexed,Y", "LDA", "A1", {}, {}, HexCombo}},
    {"TypingA9InTheOpcodeListPicksLineA9", {Type(HexCombo, "A9")}, {"A9  LDA  Immediate", "LDA", "A1"}},
    {"TypingFFPicksLineFFThoughTheLetterRepeats", {Type(HexCombo, "FF")},
     {"FF  SBC  Absolute Long Indexed,X", "SBC", "E1"}},
    {"Typing00OnLine01PicksLine00", {Press(HexCombo, Key::Down), Type(HexCombo, "00")}, {Line00, "BRK", "00"}},
    // Longer than Qt's keyboard interval, shorter than Windows' four double-click times.
    {"ASecondCodeTypedASecondLaterPicksItsLine", {Type(HexCombo, "22"), Pause(1s), Type(HexCombo, "A9")},
     {"A9  LDA  Immediate", "LDA", "A1"}},
    {"SpaceOpensTheClosedListAsQtsListsDo", {Press(HexCombo, Key::Space)},
     {Line00, "BRK", "00", {}, {}, NoControl, HexCombo, Line00}, "Win32", "Windows' lists take it as typed"},
    {"SpaceIsTypedInTheClosedListAsInWindowsListsAndOpensNothing", {Press(HexCombo, Key::Space)},
     {Line00, "BRK", "00"}, "Qt", "Qt's lists open on it"},
    {"TypingAMnemonicPicksItAndLeavesTheOpcodeLine", {Type(MnemonicCombo, "XCE")}, {Line00, "XCE", "FB"}},
    {"TheSameLetterAgainMovesOnToTheNextEntryWithIt", {Type(MnemonicCombo, "BB")}, {Line00, "BVC", "50"}},
    {"AClickInTheOpenMnemonicListLeavesTheOpcodeLine", {Pick(MnemonicCombo, "STZ")},
     {Line00, "STZ", "64", {}, {}, MnemonicCombo}},
    {"PickingTheShownMnemonicAgainShowsItsDescriptionAgain",
     {Press(Description, Key::End), Type(Description, "x"), Pick(MnemonicCombo, "BRK")}, {Line00, "BRK", "00"}},
    {"TypingInAnOpenListMovesItsHighlightAndPicksNothing", {Open(HexCombo), Type(HexCombo, "FF")},
     {Line00, "BRK", "00", {}, {}, NoControl, HexCombo, "FF  SBC  Absolute Long Indexed,X"}},
    {"TheOpenMnemonicListHighlightsTheMnemonicTyped", {Open(MnemonicCombo), Type(MnemonicCombo, "TXY")},
     {Line00, "BRK", "00", {}, {}, NoControl, MnemonicCombo, "TXY"}},
    {"TypingInAnOpenListSearchesOnFromTheHighlight",
     {Open(MnemonicCombo), Press(MnemonicCombo, Key::Down), Press(MnemonicCombo, Key::Down), Type(MnemonicCombo, "B")},
     {Line00, "BRK", "00", {}, {}, NoControl, MnemonicCombo, "BVS"}},
    {"ReturnInAnOpenListPicksTheHighlightedEntry",
     {Open(HexCombo), Type(HexCombo, "AA"), Press(HexCombo, Key::Return)},
     {"AA  TAX  Implied", "TAX", "AA"}},
    {"EscapeInAnOpenListClosesItAndPicksNothing",
     {Open(MnemonicCombo), Press(MnemonicCombo, Key::Down), Press(MnemonicCombo, Key::Down),
      Press(MnemonicCombo, Key::Escape)},
     {Line00, "BRK", "00"}},
    {"EscapeInAnyControlClosesNothingAndKeepsANote",
     {Type(MnemonicCombo, "LDA"), Press(Description, Key::End), Type(Description, " note"),
      Press(HexCombo, Key::Escape), Press(MnemonicCombo, Key::Escape), Press(Description, Key::Escape),
      Press(CodeList, Key::Escape)},
     {Line00, "LDA", "A1", "Load to Accumulator note"}},
    {"ASingleClickOnACodeOnlySelectsIt", {Type(MnemonicCombo, "LDA"), Click("A5")}, {Line00, "LDA", "A5"}},
    {"ADoubleClickOnACodePicksItsLineAndKeepsTheCodeSelected", {Type(MnemonicCombo, "LDA"), DoubleClick("B9")},
     {"B9  LDA  Absolute Indexed,Y", "LDA", "B9"}},
    {"ReturnOnTheFirstCodeJumpsAsADoubleClickDoes",
     {Type(MnemonicCombo, "SBC"), Click("E1"), Press(CodeList, Key::Return)},
     {"E1  SBC  DP Indexed Indirect,X", "SBC", "E1"}},
    {"KeypadEnterOnACodeJumpsToo", {Type(MnemonicCombo, "LDA"), Click("A5"), Press(CodeList, Key::KeypadEnter)},
     {"A5  LDA  Direct Page", "LDA", "A5"}},
    {"TabGoesFromTheOpcodeListToTheMnemonicList", {Press(HexCombo, Key::Tab)}, {Line00, "BRK", "00", {}, {}, MnemonicCombo}},
    {"TabGoesFromTheMnemonicListToTheDescription", {Press(MnemonicCombo, Key::Tab)},
     {Line00, "BRK", "00", {}, {}, Description}},
    {"TabLeavesTheDescriptionForTheCodesAndTypesNothing", {Press(Description, Key::Tab)},
     {Line00, "BRK", "00", {}, {}, CodeList}},
    {"TabGoesFromTheCodesRoundToTheOpcodeList", {Press(CodeList, Key::Tab)}, {Line00, "BRK", "00", {}, {}, HexCombo}},
    {"ShiftTabGoesBackFromTheOpcodeListToTheCodes", {Press(HexCombo, Key::ShiftTab)},
     {Line00, "BRK", "00", {}, {}, CodeList}},
    {"TheLongestDescriptionShowsWholeOnSeveralLines", {Type(MnemonicCombo, "XBA")},
     {Line00, "XBA", "EB", {}, {}, NoControl, NoControl, {}, true}},
    {"CtrlCInTheOpcodeListCopiesItsLine", {Type(HexCombo, "A9"), Press(HexCombo, Key::CtrlC)},
     {"A9  LDA  Immediate", "LDA", "A1", {}, "A9  LDA  Immediate"}},
    {"CtrlInsertInTheMnemonicListCopiesTheMnemonic", {Type(HexCombo, "A9"), Press(MnemonicCombo, Key::CtrlInsert)},
     {"A9  LDA  Immediate", "LDA", "A1", {}, "LDA"}},
    {"CtrlCInTheCodeListCopiesTheSelectedCode", {Type(HexCombo, "A9"), Press(CodeList, Key::CtrlC)},
     {"A9  LDA  Immediate", "LDA", "A1", {}, "A1"}},
    {"CopyInAnOpenListTakesItsHighlightedEntry",
     {Open(HexCombo), Press(HexCombo, Key::Down), Press(HexCombo, Key::CtrlC)},
     {Line00, "BRK", "00", {}, "01  ORA  DP Indexed Indirect,X", NoControl, HexCombo, "01  ORA  DP Indexed Indirect,X"}},
    {"TheDescriptionCopiesItsOwnSelection", {Press(Description, Key::CtrlA), Press(Description, Key::CtrlC)},
     {Line00, "BRK", "00", {}, "Break"}},
    {"TheRightButtonOnACodeSelectsItAndItsMenuCopiesIt",
     {Type(MnemonicCombo, "LDA"), Menu(CodeList, MenuBy::RightButton, {}, "A5")}, {Line00, "LDA", "A5", {}, "A5"}},
    {"TheRightButtonOnTheMnemonicListOpensItsCopyMenu", {Menu(MnemonicCombo, MenuBy::RightButton)},
     {Line00, "BRK", "00", {}, "BRK"}},
    {"ShiftF10OpensTheOpcodeListsMenuBelowIt", {Menu(HexCombo, MenuBy::ShiftF10, Below)}, {Line00, "BRK", "00", {}, Line00}},
    {"TheMenuKeyOpensTheMnemonicListsMenuBelowIt", {Menu(MnemonicCombo, MenuBy::MenuKey, Below)},
     {Line00, "BRK", "00", {}, "BRK"}},
    {"TheMenuKeyOnTheCodeListOpensItsMenuAtTheSelectedCode",
     {Type(MnemonicCombo, "LDA"), Click("A3"), Menu(CodeList, MenuBy::MenuKey, "below code A3")},
     {Line00, "LDA", "A3", {}, "A3"}},
    {"ShiftF10OnTheCodeListOpensItsMenuAtTheSelectedCode",
     {Type(MnemonicCombo, "LDA"), Click("A3"), Press(CodeList, Key::Down), Menu(CodeList, MenuBy::ShiftF10, "below code A5")},
     {Line00, "LDA", "A5", {}, "A5"}},
    {"WithTheSelectedCodeOutOfViewTheMenuOpensBelowTheCodeList",
     {Type(MnemonicCombo, "LDA"), ScrollCodesToEnd(), Menu(CodeList, MenuBy::ShiftF10, Below)},
     {Line00, "LDA", "A1", {}, "A1"}},
    {"WithNoCodeSelectedTheMenuOpensBelowTheCodeListAndCopiesNothing",
     {Type(MnemonicCombo, "LDA"), CtrlClick("A1"), Menu(CodeList, MenuBy::MenuKey, Below)},
     {Line00, "LDA", ""}, "Win32", "a single-selection list box keeps its selection"},
    {"ShiftF10OpensTheDescriptionsOwnMenu", {Press(Description, Key::CtrlA), Menu(Description, MenuBy::ShiftF10)},
     {Line00, "BRK", "00", {}, "Break"}},
};
// clang-format on

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Behaviour : public ::testing::TestWithParam<Row> {};

std::string Joined(const std::vector<std::string>& codes) {
  std::string joined;
  for (const std::string& code : codes) joined += (joined.empty() ? "" : " ") + code;
  return joined;
}

TEST_P(Behaviour, Row) {
  const Row& row = GetParam();
  const auto window = NewWindowDriver();
  window->SetClipboard(NothingCopied);
  const std::string before = window->Clipboard();  // empty where there is no clipboard (Wayland with no seat)
  for (const Step& step : row.steps) step(*window);

  const Shows& shows = row.shows;
  std::string codes;
  const std::string description = DescribeAsmCommand(std::string(shows.mnemonic), codes);
  EXPECT_TRUE(window->IsShown());
  // An open list's field shows its highlighted entry on Windows, its pick in
  // Qt: what was picked shows in the other controls.
  for (const auto& [combo, shown] : {std::pair{HexCombo, shows.line}, std::pair{MnemonicCombo, shows.mnemonic}}) {
    if (combo != shows.open) {
      EXPECT_EQ(window->Text(combo), shown);
    }
  }
  EXPECT_EQ(window->Text(Description), shows.description.empty() ? description : shows.description);
  EXPECT_EQ(Joined(window->Codes()), codes);
  EXPECT_EQ(window->SelectedCode(), shows.selected);
  EXPECT_EQ(window->Clipboard(), shows.copied.empty() ? before : shows.copied);
  for (const std::size_t combo : {HexCombo, MnemonicCombo}) {
    EXPECT_EQ(window->Highlighted(combo), combo == shows.open ? shows.highlighted : "") << "the open list";
  }
  if (shows.focus != NoControl) {
    EXPECT_EQ(window->Focus(), shows.focus) << "the keyboard";
    EXPECT_TRUE(window->ShowsFocus(shows.focus)) << "the keyboard does not show";
  }
  if (shows.wholeDescription) {
    EXPECT_TRUE(window->ShowsWholeDescription());
  }
}

std::vector<Row> RowsOfThisBinding() {
  std::vector<Row> rows;
  for (const Row& row : Rows) {
    if (std::string_view(row.notOn) != BindingName) rows.push_back(row);
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Form1, Behaviour, ::testing::ValuesIn(RowsOfThisBinding()),
                         [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// Each control where the layout puts it, with its tooltip and a fixed-pitch
// font of the layout's size, at 96 DPI.
class EachControl : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EachControl, SitsInPlaceWithItsTooltipAndFont) {
  const std::size_t control = GetParam();
  const auto window = NewWindowDriver();
  EXPECT_EQ(window->Place(control), PlacesAt96Dpi[control]);
  EXPECT_EQ(window->Tooltip(control), Form1Layout.controls[control].tooltip);
  EXPECT_EQ(window->Font(control), (FontShown{FontPixelsAt96Dpi[control], true, true}));
}

INSTANTIATE_TEST_SUITE_P(Form1, EachControl, ::testing::Values(HexCombo, MnemonicCombo, Description, CodeList),
                         [](const ::testing::TestParamInfo<std::size_t>& row) {
                           return std::string(Form1Layout.controls[row.param].name);
                         });

}  // namespace
}  // namespace hexling::testing
