// Typing in a drop-down list, alike on every platform: characters typed
// within `groupGap` of each other are one group, and the entry picked is the
// first that begins with the group, ignoring case. A new group, or one letter
// typed again, searches from the entry after the current one, round to the
// first, so that the same letter again moves on to the next entry with it; a
// group that grows searches from the current entry.
#pragma once

#include <chrono>
#include <string>

#include "widgets.h"

namespace hexling {

class TypeAhead {
 public:
  explicit TypeAhead(std::chrono::milliseconds groupGap) : groupGap_(groupGap) {}

  // The entry of `list` to move to when `character` is typed at `when` with
  // entry `current` (-1 for none) the current one; `current` where none fits.
  int Typed(const PickList& list, int current, char character, std::chrono::milliseconds when);

 private:
  std::chrono::milliseconds groupGap_;
  std::chrono::milliseconds last_{};
  std::string typed_;  // the group so far, in uppercase
};

}  // namespace hexling
