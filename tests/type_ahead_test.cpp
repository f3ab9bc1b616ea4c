#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <string>

#include "line_mnemonics.h"
#include "memory_widgets.h"
#include "opcode_table.h"
#include "type_ahead.h"

namespace hexling::testing {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kGap(1000);

// The entry `text` lands on, typed quickly from `current`, in either case.
int Typing(const PickList& list, int current, const std::string& text, bool lowercase = false) {
  TypeAhead typing(kGap);
  milliseconds at(5000);
  for (const char c : text) {
    current = typing.Typed(list, current, lowercase ? static_cast<char>(std::tolower(c)) : c, at);
    at += kGap / 2;
  }
  return current;
}

// The two digits reach every line, "FF" and "00" among them, from lines
// before, on and after it; so do they typed within the gap after another code.
TEST(TypeAhead, EveryCodeTypedPicksItsLineAlsoRightAfterAnother) {
  MemoryPickList lines;
  lines.Append({OpcodeTable.begin(), OpcodeTable.end()});
  const auto code = [&](int byte) { return lines.EntryAt(byte).substr(0, 2); };
  for (int byte = 0; byte < 256; ++byte) {
    for (const int from : {-1, 0, 0x11, byte, 0xFF}) {
      ASSERT_EQ(Typing(lines, from, code(byte), byte % 2 == 1), byte) << code(byte) << " typed on line " << from;
      const std::string twice = code(255 - byte) + code(byte);
      ASSERT_EQ(Typing(lines, from, twice), byte) << twice << " typed on line " << from;
    }
  }
}

TEST(TypeAhead, EveryMnemonicTypedPicksIt) {
  MemoryPickList mnemonics;
  mnemonics.Append({LineMnemonics.begin(), LineMnemonics.end()});
  for (int index = 0; index < mnemonics.Count(); ++index) {
    for (const int from : {-1, 0, index, mnemonics.Count() - 1}) {
      ASSERT_EQ(Typing(mnemonics, from, mnemonics.EntryAt(index)), index) << mnemonics.EntryAt(index) << " from " << from;
    }
  }
}

// Each key typed at its time, from the entry each leaves current.
TEST(TypeAhead, ACharacterThatGrowsTheGroupPastEveryEntryStartsANewGroup) {
  MemoryPickList list;
  list.Append({"ADC", "AND", "ASL", "BCC", "BCS", "BRK", "BRL", "BVC", "LDA", "LDX"});
  const struct {
    char key;
    int at;
    const char* lands;
  } keys[] = {
      {'b', 0, "BRL"},     // from BRK, the entry after it
      {'B', 100, "BVC"},   // no entry begins "BB": the same letter moves on
      {'b', 200, "BCC"},   // and round to the first
      {'l', 2000, "LDA"},  // a pause starts a new group
      {'d', 2100, "LDA"},  // a growing group stays where it fits
      {'x', 2200, "LDX"},
      {'q', 4000, "LDX"},  // nothing begins so: nothing moves
      {'l', 4100, "LDA"},  // nor "QL": a new group, "L"
  };
  TypeAhead typing(kGap);
  int current = 5;  // BRK
  for (const auto& key : keys) {
    current = typing.Typed(list, current, key.key, milliseconds(key.at));
    EXPECT_EQ(list.EntryAt(current), key.lands) << key.key << " at " << key.at;
  }
}

}  // namespace
}  // namespace hexling::testing
