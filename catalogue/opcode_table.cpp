#include "opcode_table.h"

#include <cstddef>

#include "ascii.h"
#include "fingerprint.h"

namespace hexling {
namespace {

constexpr bool KeysAreTheirOwnIndex() {
  for (std::size_t byte = 0; byte < OpcodeTable.size(); ++byte) {
    const auto key = OpcodeText(static_cast<std::uint8_t>(byte));
    if (OpcodeTable[byte].substr(0, 2) != std::string_view(key.data(), key.size())) return false;
  }
  return true;
}

// "A9  LDA  Immediate": key, two blanks, three letters, two blanks, a mode
// that neither starts nor ends with a blank; with no mode, the line ends
// right after the mnemonic.
constexpr bool HasLineShape(std::string_view line, bool hasMode) {
  if (line.size() < 7 || line.substr(2, 2) != "  ") return false;
  for (const char c : MnemonicOf(line)) {
    if (!IsUppercaseLetter(c)) return false;
  }
  if (!hasMode) return line.size() == 7;
  return line.size() > 9 && line.substr(7, 2) == "  " && line[9] != ' ' && line.back() != ' ';
}

constexpr bool EveryLineHasItsShape() {
  for (std::size_t byte = 0; byte < OpcodeTable.size(); ++byte) {
    if (!HasLineShape(OpcodeTable[byte], byte != 0x42)) return false;
  }
  return true;
}

static_assert(KeysAreTheirOwnIndex(), "line n must start with the two-digit uppercase hex of n");
static_assert(EveryLineHasItsShape(),
              "every line is key, two blanks, three capitals, two blanks and a mode, "
              "without trailing blanks; only 42 (WDM) has no mode");

constexpr std::uint64_t TableFingerprint() {
  Fingerprint fingerprint;
  for (const std::string_view line : OpcodeTable) fingerprint.Add(line);
  return fingerprint.Value();
}

// Every character of the lines is shown to the user as it stands; the shape
// checks above cannot see a changed letter in a mode, this can.
static_assert(TableFingerprint() == 0x17a162eedd4ed945ULL,
              "the opcode lines differ from their checked text: if the change is meant, "
              "update this fingerprint in the same commit");

}  // namespace

std::string HexToAsmCommand(std::string_view code) {
  const int byte = OpcodeByte(code);
  return byte < 0 ? std::string() : std::string(OpcodeTable[static_cast<std::size_t>(byte)]);
}

}  // namespace hexling
