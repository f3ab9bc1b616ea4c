// The distinct mnemonics that the opcode lines carry, in ascending character
// order: the mnemonics a user can pick. Derived from the lines at compile time
// so that the two can never disagree.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "opcode_table.h"

namespace hexling {
namespace line_mnemonics_detail {

constexpr std::array<std::string_view, 256> SortedWithRepeats() {
  std::array<std::string_view, 256> mnemonics{};
  std::transform(OpcodeTable.begin(), OpcodeTable.end(), mnemonics.begin(), MnemonicOf);
  std::sort(mnemonics.begin(), mnemonics.end());
  return mnemonics;
}

constexpr std::size_t DistinctCount() {
  auto mnemonics = SortedWithRepeats();
  return static_cast<std::size_t>(std::unique(mnemonics.begin(), mnemonics.end()) - mnemonics.begin());
}

}  // namespace line_mnemonics_detail

inline constexpr auto LineMnemonics = [] {
  std::array<std::string_view, line_mnemonics_detail::DistinctCount()> distinct{};
  const auto all = line_mnemonics_detail::SortedWithRepeats();
  std::unique_copy(all.begin(), all.end(), distinct.begin());
  return distinct;
}();

}  // namespace hexling
