// Typing in a drop-down list, alike on every platform: characters typed
// within `groupGap` of each other are one group, and the entry picked is the
// first that begins with the whole group, ignoring case, from the current
// entry on. Where the group grown by a character begins no entry, a new group
// starts with that character alone, searched from the entry after the current
// one, round to the first. So "FF" reaches line FF, a second code typed at any
// pace reaches its own line, and "SS" walks through the S mnemonics.
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
