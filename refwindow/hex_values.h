// Reading the opcode list that the window keeps for the picked mnemonic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hexling {

// The text read as hexadecimal: blanks removed, then the longest leading run
// of hexadecimal digits (either case) in base 16; 0 when there is no leading
// digit. A run too long for the result gives its largest value.
std::uint32_t HexValue(std::string_view text);

// The items a list shows for an opcode list followed by one blank: the two
// characters at every third position (one where the text ends early), so
// "06 0A " gives "06", "0A" and a lone blank gives one blank item.
std::vector<std::string> SplitHexValues(std::string_view text);

}  // namespace hexling
