#include <gtest/gtest.h>

#include <chrono>

#include "memory_widgets.h"
#include "type_ahead.h"

namespace hexling::testing {
namespace {

using std::chrono::milliseconds;

// Each key typed at its time, from the entry each leaves current.
TEST(TypeAhead, GroupsPrefixesAndMovesOnWithTheSameLetter) {
  MemoryPickList list;
  for (const char* entry : {"ADC", "AND", "ASL", "BCC", "BCS", "BRK", "BRL", "BVC", "LDA", "LDX"}) list.Append(entry);
  const struct {
    char key;
    int at;
    const char* lands;
  } keys[] = {
      {'b', 0, "BRL"},     // from BRK, the entry after it
      {'B', 100, "BVC"},   // the same letter again moves on
      {'b', 200, "BCC"},   // and round to the first
      {'l', 2000, "LDA"},  // a pause starts a new group
      {'d', 2100, "LDA"},  // a growing group stays where it fits
      {'x', 2200, "LDX"},
      {'q', 4000, "LDX"},  // nothing begins so: nothing moves
  };
  TypeAhead typing(milliseconds(1000));
  int current = 5;  // BRK
  for (const auto& key : keys) {
    current = typing.Typed(list, current, key.key, milliseconds(key.at));
    EXPECT_EQ(list.EntryAt(current), key.lands) << key.key << " at " << key.at;
  }
}

}  // namespace
}  // namespace hexling::testing
