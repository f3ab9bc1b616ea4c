#include "hex_values.h"

#include <limits>
#include <optional>

namespace hexling {
namespace {

std::optional<std::uint32_t> DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
  return std::nullopt;
}

}  // namespace

std::uint32_t HexValue(std::string_view text) {
  constexpr std::uint32_t kLargest = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c == ' ') continue;
    const auto digit = DigitValue(c);
    if (!digit) break;
    value = value > (kLargest >> 4) ? kLargest : value << 4 | *digit;
  }
  return value;
}

std::vector<std::string> SplitHexValues(std::string_view text) {
  std::vector<std::string> items;
  items.reserve(text.size() / 3 + 1);
  for (std::size_t at = 0; at < text.size(); at += 3) items.emplace_back(text.substr(at, 2));
  return items;
}

}  // namespace hexling
