#include "type_ahead.h"

#include <algorithm>
#include <string_view>

#include "ascii.h"

namespace hexling {
namespace {

bool BeginsWith(const std::string& entry, std::string_view prefix) {
  return entry.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), entry.begin(), [](char p, char e) { return p == AsciiUppercase(e); });
}

// The first entry from `from` on, round to the start, that begins with `prefix`; -1 where none does.
int FirstBeginningWith(const PickList& list, int from, std::string_view prefix) {
  const int count = list.Count();
  for (int step = 0; step < count; ++step) {
    const int index = (from + step) % count;
    if (BeginsWith(list.EntryAt(index), prefix)) return index;
  }
  return -1;
}

}  // namespace

int TypeAhead::Typed(const PickList& list, int current, char character, std::chrono::milliseconds when) {
  if (typed_.empty() || when - last_ > groupGap_) typed_.clear();
  last_ = when;
  typed_ += AsciiUppercase(character);
  // A new group looks past the current entry; a growing one from it on.
  const int from = typed_.size() == 1 ? current + 1 : std::max(current, 0);
  int index = FirstBeginningWith(list, from, typed_);
  const bool oneLetterAgain = typed_.find_first_not_of(typed_.front()) == std::string::npos;
  if (index < 0 && oneLetterAgain) index = FirstBeginningWith(list, current + 1, typed_.substr(0, 1));
  return index < 0 ? current : index;
}

}  // namespace hexling
