#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "asm_command_table.h"
#include "opcode_table.h"
#include "memory_widgets.h"
#include "window_consistency.h"

namespace hexling::testing {
namespace {

using Items = std::vector<std::string>;

class Form1Model : public ::testing::Test {
 protected:
  void SetUp() override { window.form.OnFormLoad(); }

  void PickHex(std::string_view code) {
    window.hexCombo.UserPicks(static_cast<int>(HexValueOf(code)));
  }
  void PickMnemonic(std::string_view mnemonic) {
    const auto& entries = window.translationCombo.entries;
    const auto found = std::find(entries.begin(), entries.end(), mnemonic);
    ASSERT_NE(found, entries.end()) << mnemonic;
    window.translationCombo.UserPicks(static_cast<int>(found - entries.begin()));
  }
  std::string SelectedCode() const { return window.allHexValuesList.SelectedText(); }
  int IndexOf(std::string_view code) const {
    return static_cast<int>(std::find(items.begin(), items.end(), code) - items.begin());
  }
  static int HexValueOf(std::string_view code) { return std::stoi(std::string(code), nullptr, 16); }

  MemoryWindow window;
  Items& items = window.allHexValuesList.items;
};

TEST(Form1Created, OffersTheNinetyMnemonicsInOrderAndNothingElseYet) {
  MemoryWindow window;
  std::istringstream expected(
      "ADC AND ASL BCC BCS BEQ BIT BMI BNE BPL BRA BRK BRL BVC BVS CLC CLD CLI CLV CMP COP CPX CPY DEC DEX DEY "
      "EOR INC INX INY JMP JSR LDA LDX LDY LSR MVN MVP NOP ORA PEA PEI PER PHA PHB PHD PHK PHP PHX PHY PLA PLB "
      "PLD PLP PLX PLY REP ROL ROR RTI RTL RTS SBC SEC SED SEI SEP STA STP STX STY STZ TAX TAY TCD TCS TDC TRB "
      "TSB TSC TSX TXA TXS TXY TYA TYX WAI WDM XBA XCE");
  const Items mnemonics{std::istream_iterator<std::string>(expected), {}};
  EXPECT_EQ(window.translationCombo.entries, mnemonics);
  EXPECT_EQ(window.translationCombo.Text(), "");
  EXPECT_TRUE(window.hexCombo.entries.empty());
  EXPECT_TRUE(window.allHexValuesList.items.empty());
  EXPECT_FALSE(window.frame.topmost);
}

// From the selected position (none, or one beyond the new list's end) to the
// same position in the new list, bounded to it.
TEST_F(Form1Model, MnemonicPickKeepsThePositionBoundedToTheNewList) {
  const struct {
    const char* before;
    int position;
    const char* after;
    const char* selected;
  } picks[] = {{"ADC", -1, "ADC", "61"}, {"ADC", 10, "ASL", "1E"}, {"ADC", 10, "BRK", "00"}, {"ASL", 2, "LDA", "A5"}};
  for (const auto& pick : picks) {
    PickMnemonic(pick.before);
    window.allHexValuesList.Select(pick.position);
    PickMnemonic(pick.after);
    EXPECT_EQ(SelectedCode(), pick.selected) << pick.before << " at " << pick.position << " to " << pick.after;
    EXPECT_EQ(Broken(window, {"00  BRK  Stack/Interrupt", pick.after, IndexOf(pick.selected)}), "");
  }
  EXPECT_EQ(window.form.AllHexValues.size(), 3u * 15u) << "LDA's 15 codes and one blank";
}

TEST_F(Form1Model, PickingTheSameMnemonicAgainChangesNothing) {
  PickMnemonic("STA");
  window.allHexValuesList.Select(7);
  const Items before = items;
  const std::string slot = window.form.AllHexValues;
  PickMnemonic("STA");
  EXPECT_EQ(items, before);
  EXPECT_EQ(window.allHexValuesList.selected, 7);
  EXPECT_EQ(window.form.AllHexValues, slot);
}

// Every code of every mnemonic, the first and last of each list among them.
TEST_F(Form1Model, DoubleClickOrReturnPicksTheLineOfEveryCodeAndKeepsTheCodeSelected) {
  for (const std::string& mnemonic : window.translationCombo.entries) {
    PickMnemonic(mnemonic);
    const Items codes = items;
    for (int index = 0; index < static_cast<int>(codes.size()); ++index) {
      const std::string& code = codes[static_cast<std::size_t>(index)];
      for (const bool byReturn : {false, true}) {
        PickHex(code == "00" ? "FF" : "00");
        PickMnemonic(mnemonic);
        window.allHexValuesList.Select(index);
        byReturn ? window.allHexValuesList.returnPressed.Raise() : window.allHexValuesList.UserDoubleClicks(index);
        EXPECT_EQ(Broken(window, {HexToAsmCommand(code), mnemonic, index}), "") << code << (byReturn ? " by Return" : "");
      }
    }
  }
}

TEST_F(Form1Model, ReturnWithoutASelectedCodeDoesNothing) {
  PickHex("B9");
  window.allHexValuesList.Select(-1);
  window.allHexValuesList.returnPressed.Raise();
  EXPECT_EQ(Broken(window, {"B9  LDA  Absolute Indexed,Y", "LDA", -1}), "") << "a double-click would go to line 00";
}

// Line A9 and mnemonic STA, whose fifth code is 8D: each list copies its
// own, and nothing selected leaves the clipboard alone, since copying the
// empty text would only empty it.
TEST_F(Form1Model, EachListCopiesWhatItShows) {
  PickHex("A9");
  PickMnemonic("STA");
  window.allHexValuesList.Select(4);
  window.hexCombo.copyAsked.Raise();
  window.translationCombo.copyAsked.Raise();
  window.allHexValuesList.copyAsked.Raise();
  window.allHexValuesList.Select(-1);
  window.allHexValuesList.copyAsked.Raise();
  EXPECT_EQ(window.frame.clipboard, (Items{"A9  LDA  Immediate", "STA", "8D"}));
}

// Texts the mnemonic list never offers: the fallback, and the long jumps
// that no opcode line carries.
TEST_F(Form1Model, AMnemonicWithoutCodesShowsWhatItsListHolds) {
  const struct {
    const char* mnemonic;
    const char* description;
    Items codes;
  } picks[] = {{"XYZ", "???", {"??", " "}}, {"JML", "Jump to Long Address", {" "}}};
  for (const auto& pick : picks) {
    window.translationCombo.Append({pick.mnemonic});
    PickMnemonic(pick.mnemonic);
    EXPECT_EQ(window.translationText.text, pick.description);
    EXPECT_EQ(items, pick.codes);
    EXPECT_EQ(SelectedCode(), pick.codes.front());
  }
}

TEST_F(Form1Model, DoubleClickWithoutACodeFallsBackToLine00) {
  window.translationCombo.Append({"XYZ"});
  const auto doubleClickGoesToLine00 = [&](auto prepare, const char* what) {
    PickHex("A9");
    prepare();
    window.allHexValuesList.doubleClicked.Raise();
    EXPECT_EQ(window.hexCombo.Text(), "00  BRK  Stack/Interrupt") << what;
    EXPECT_EQ(window.translationCombo.Text(), "BRK") << what;
    EXPECT_EQ(Broken(window, {"00  BRK  Stack/Interrupt", "BRK", 0}), "") << what;
  };
  doubleClickGoesToLine00([&] { PickMnemonic("XYZ"); window.allHexValuesList.Select(0); }, "item ??");
  doubleClickGoesToLine00([&] { PickMnemonic("XYZ"); window.allHexValuesList.Select(1); }, "blank item");
  doubleClickGoesToLine00([&] { window.allHexValuesList.Select(-1); }, "no selection");
}

}  // namespace
}  // namespace hexling::testing
