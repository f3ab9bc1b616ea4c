#include "type_ahead.h"

#include <algorithm>
#include <string_view>

namespace hexling {
namespace {

char Uppercase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool BeginsWith(const std::string& entry, std::string_view prefix) {
  return entry.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), entry.begin(), [](char p, char e) { return p == Uppercase(e); });
}

}  // namespace

int TypeAhead::Typed(const PickList& list, int current, char character, std::chrono::milliseconds when) {
  if (typed_.empty() || when - last_ > groupGap_) typed_.clear();
  last_ = when;
  typed_ += Uppercase(character);
  const bool oneLetterAgain = typed_.find_first_not_of(typed_.front()) == std::string::npos;
  const std::string_view prefix = oneLetterAgain ? std::string_view(typed_).substr(0, 1) : typed_;
  const int count = list.Count();
  const int from = oneLetterAgain ? current + 1 : std::max(current, 0);
  for (int step = 0; step < count; ++step) {
    const int index = (from + step) % count;
    if (BeginsWith(list.EntryAt(index), prefix)) return index;
  }
  return current;
}

}  // namespace hexling
