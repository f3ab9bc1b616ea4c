#include "hex_values.h"

#include <limits>

#include "ascii.h"
#include "opcode_table.h"

namespace hexling {

std::uint32_t HexValue(std::string_view text) {
  constexpr std::uint32_t kLargest = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c == ' ') continue;
    const int digit = HexDigitValue(AsciiUppercase(c));
    if (digit < 0) break;
    value = value > (kLargest >> 4) ? kLargest : value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::vector<std::string> SplitHexValues(std::string_view text) {
  std::vector<std::string> items;
  for (std::size_t at = 0; at < text.size(); at += 3) items.emplace_back(text.substr(at, 2));
  return items;
}

}  // namespace hexling
