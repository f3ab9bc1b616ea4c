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
  if (when - last_ > groupGap_) typed_.clear();
  last_ = when;
  typed_ += AsciiUppercase(character);
  if (typed_.size() > 1) {
    // A growing group stays on the current entry while it fits it.
    if (const int index = FirstBeginningWith(list, std::max(current, 0), typed_); index >= 0) return index;
    typed_.assign(1, typed_.back());
  }
  const int index = FirstBeginningWith(list, current + 1, typed_);
  return index < 0 ? current : index;
}

}  // namespace hexling
