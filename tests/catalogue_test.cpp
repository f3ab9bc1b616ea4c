#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "asm_command_table.h"
#include "opcode_table.h"

namespace hexling {
namespace {

std::string Code(int byte) {
  const auto text = OpcodeText(static_cast<std::uint8_t>(byte));
  return {text.begin(), text.end()};
}

// The instruction set written another way than the table: a grid of
// mnemonics by high and low digit, and each addressing mode with its codes.
// clang-format off
constexpr std::array<std::string_view, 16> kMnemonicGrid = {
    "BRK ORA COP ORA TSB ORA ASL ORA PHP ORA ASL PHD TSB ORA ASL ORA",
    "BPL ORA ORA ORA TRB ORA ASL ORA CLC ORA INC TCS TRB ORA ASL ORA",
    "JSR AND JSR AND BIT AND ROL AND PLP AND ROL PLD BIT AND ROL AND",
    "BMI AND AND AND BIT AND ROL AND SEC AND DEC TSC BIT AND ROL AND",
    "RTI EOR WDM EOR MVP EOR LSR EOR PHA EOR LSR PHK JMP EOR LSR EOR",
    "BVC EOR EOR EOR MVN EOR LSR EOR CLI EOR PHY TCD JMP EOR LSR EOR",
    "RTS ADC PER ADC STZ ADC ROR ADC PLA ADC ROR RTL JMP ADC ROR ADC",
    "BVS ADC ADC ADC STZ ADC ROR ADC SEI ADC PLY TDC JMP ADC ROR ADC",
    "BRA STA BRL STA STY STA STX STA DEY BIT TXA PHB STY STA STX STA",
    "BCC STA STA STA STY STA STX STA TYA STA TXS TXY STZ STA STZ STA",
    "LDY LDA LDX LDA LDY LDA LDX LDA TAY LDA TAX PLB LDY LDA LDX LDA",
    "BCS LDA LDA LDA LDY LDA LDX LDA CLV LDA TSX TYX LDY LDA LDX LDA",
    "CPY CMP REP CMP CPY CMP DEC CMP INY CMP DEX WAI CPY CMP DEC CMP",
    "BNE CMP CMP CMP PEI CMP DEC CMP CLD CMP PHX STP JMP CMP DEC CMP",
    "CPX SBC SEP SBC CPX SBC INC SBC INX SBC NOP XBA CPX SBC INC SBC",
    "BEQ SBC SBC SBC PEA SBC INC SBC SED SBC PLX XCE JSR SBC INC SBC",
};

const std::map<std::string_view, std::string_view> kCodesOfMode = {
    {"Stack/Interrupt",               "00 02"},
    {"DP Indexed Indirect,X",         "01 21 41 61 81 A1 C1 E1"},
    {"Stack Relative",                "03 23 43 63 83 A3 C3 E3"},
    {"Direct Page",                   "04 05 06 14 24 25 26 45 46 64 65 66 84 85 86 A4 A5 A6 C4 C5 C6 E4 E5 E6"},
    {"Direct Page Indirect Long",     "07 27 47 67 87 A7 C7 E7"},
    {"Stack (Push)",                  "08 0B 48 4B 5A 8B DA"},
    {"Immediate",                     "09 29 49 69 89 A0 A2 A9 C0 C2 C9 E0 E2 E9"},
    {"Accumulator",                   "0A 2A 3A 4A 6A"},
    {"Absolute",                      "0C 0D 0E 1C 20 2C 2D 2E 4C 4D 4E 6D 6E 8C 8D 8E 9C AC AD AE CC CD CE EC ED EE"},
    {"Absolute Long",                 "0F 22 2F 4F 5C 6F 8F AF CF EF"},
    {"Program Counter Relative",      "10 30 50 70 80 90 B0 D0 F0"},
    {"DP Indirect Indexed,Y",         "11 31 51 71 91 B1 D1 F1"},
    {"Direct Page Indirect",          "12 32 52 72 92 B2 D2 F2"},
    {"SR Indirect Indexed,Y",         "13 33 53 73 93 B3 D3 F3"},
    {"Direct Page Indexed,X",         "15 16 34 35 36 55 56 74 75 76 94 95 B4 B5 D5 D6 F5 F6"},
    {"DP Indirect Long Indexed,Y",    "17 37 57 77 97 B7 D7 F7"},
    {"Implied",                       "18 1B 38 3B 58 5B 78 7B 88 8A 98 9A 9B A8 AA B8 BA BB C8 CA CB D8 DB E8 EA EB F8 FB"},
    {"Absolute Indexed,Y",            "19 39 59 79 99 B9 BE D9 F9"},
    {"Accumulator (INA)",             "1A"},
    {"Absolute Indexed,X",            "1D 1E 3C 3D 3E 5D 5E 7D 7E 9D 9E BC BD DD DE FD FE"},
    {"Absolute Long Indexed,X",       "1F 3F 5F 7F 9F BF DF FF"},
    {"Stack (Pull)",                  "28 2B 68 7A AB FA"},
    {"Stack/RTI",                     "40"},
    {"Block Move",                    "44 54"},
    {"Stack (RTS)",                   "60"},
    {"Stack (PC Relative Long)",      "62"},
    {"Stack (RTL)",                   "6B"},
    {"Absolute Indirect",             "6C"},
    {"Absolute Indexed Indirect",     "7C FC"},
    {"Program Counter Relative Long", "82"},
    {"Direct Page Indexed,Y",         "96"},
    {"DP Indexed,Y",                  "B6"},
    {"Stack (Direct Page Indirect)",  "D4"},
    {"Absolute Indirect Long",        "DC"},
    {"Stack (Absolute)",              "F4"},
};
// clang-format on

std::array<std::string, 256> ExpectedLines() {
  std::array<std::string, 256> lines;
  for (int byte = 0; byte < 256; ++byte) {
    lines[byte] = Code(byte) + "  " + std::string(kMnemonicGrid[byte >> 4].substr((byte & 0xF) * 4, 3));
  }
  for (const auto& [mode, codes] : kCodesOfMode) {
    std::istringstream in{std::string(codes)};
    for (std::string code; in >> code;) lines[std::stoi(code, nullptr, 16)] += "  " + std::string(mode);
  }
  return lines;
}

TEST(OpcodeCatalogue, EveryLineIsItsMnemonicAndMode) {
  const auto expected = ExpectedLines();
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(HexToAsmCommand(Code(byte)), expected[byte]) << "byte " << byte;
  }
  EXPECT_EQ(HexToAsmCommand("42"), "42  WDM");
  EXPECT_EQ(HexToAsmCommand("22"), "22  JSR  Absolute Long");
  EXPECT_EQ(HexToAsmCommand("DC"), "DC  JMP  Absolute Indirect Long");
}

TEST(OpcodeCatalogue, AnswersExactlyTheTwoDigitUppercaseCodes) {
  const auto isKeyDigit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string code{static_cast<char>(first), static_cast<char>(second)};
      const bool isKey = isKeyDigit(code[0]) && isKeyDigit(code[1]);
      EXPECT_EQ(!HexToAsmCommand(code).empty(), isKey) << "code bytes " << first << ' ' << second;
    }
  }
}

TEST(OpcodeCatalogue, RejectsEveryOtherLengthAndPadding) {
  using namespace std::string_view_literals;
  for (const std::string_view code : {""sv, "9"sv, "A"sv, "A9A"sv, " A9"sv, "A9 "sv, "0A9"sv, "A\0"sv, "A9\0"sv}) {
    EXPECT_EQ(HexToAsmCommand(code), "") << '"' << code << '"';
  }
}

TEST(MnemonicCatalogue, KeepsTheProgramsOwnWording) {
  const std::pair<std::string_view, std::string_view> wordings[] = {
      {"ADC", "Add to Accumulator with Carry"},
      {"BCC", "Break on < (Branch Carry Clear)"},
      {"BNE", "Not Branch"},
      {"PHK", "Pull Program Bank"},
      {"PHP", "Push Processor?"},
      {"STA", "Store to Accumulator"},
      {"TSB", "Test and Reset Memory Bits (OR)"},
      {"WDM", "Not yet used... Currently similar to NOP"},
      {"XBA", "Exchange B and A Accumulators (ie- high 8bits swapped with low 8bits"},
      {"JML", "Jump to Long Address"},  // described, though no opcode line carries them
      {"JSL", "Jump to LongSub"},
  };
  for (const auto& [mnemonic, description] : wordings) {
    std::string codes;
    EXPECT_EQ(DescribeAsmCommand(mnemonic, codes), description);
  }
}

// Each key finds its own row, and nothing else finds any: every text of one
// to three of the capitals and the characters beside letters, so a prefix of
// a key too, and each key with a character more.
TEST(MnemonicCatalogue, FindsEachKeysRowAndNothingForAnyOtherText) {
  std::map<std::string, AsmCommandRow, std::less<>> rows;
  for (const AsmCommandRow& row : AsmCommandTable) rows.emplace(row.mnemonic, row);
  std::vector<std::string> texts{""};
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ/:@[`{ag";
  for (std::size_t from = 0; from < texts.size() && texts[from].size() < 3; ++from) {
    for (const char c : alphabet) texts.push_back(texts[from] + c);
  }
  for (const auto& [key, row] : rows) texts.push_back(key + 'A');
  for (const std::string& text : texts) {
    const auto row = rows.find(text);
    std::string codes;
    const std::string description = DescribeAsmCommand(text, codes);
    ASSERT_EQ(description, row == rows.end() ? "???" : row->second.description) << text;
    ASSERT_EQ(codes, row == rows.end() ? "???" : row->second.hexValues) << text;
  }
}

TEST(MnemonicCatalogue, AnythingElseFallsBackToQuestionMarks) {
  using namespace std::string_view_literals;
  for (const std::string_view text : {"adc"sv, " ADC"sv, "ADC "sv, "AD"sv, ""sv, "ADCX"sv, "AD\0"sv, "ZZZ"sv, "???"sv}) {
    std::string codes = "61 63 65";
    EXPECT_EQ(DescribeAsmCommand(text, codes), "???") << '"' << text << '"';
    EXPECT_EQ(codes, "???");
  }
}

}  // namespace
}  // namespace hexling
