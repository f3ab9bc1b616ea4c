// For each mnemonic, a one-line description and every opcode that carries it;
// the lookup from a mnemonic to both.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace hexling {

// Returns the description of `mnemonic` and sets `hexValues` to its opcode
// list. A text that is no mnemonic (the match is exact and case-sensitive)
// gives FallbackText for both. The previous content of `hexValues` is always
// replaced.
std::string DescribeAsmCommand(std::string_view mnemonic, std::string& hexValues);

inline constexpr std::string_view FallbackText = "???";

struct AsmCommandRow {
  std::string_view mnemonic;
  std::string_view description;
  // The opcode texts of every line carrying the mnemonic, ascending, one blank
  // apart; empty for JML and JSL, which no line carries.
  std::string_view hexValues;
};

// The descriptions are the program's own wording and are shown as they stand.
// clang-format off
inline constexpr std::array<AsmCommandRow, 92> AsmCommandTable = {{
    {"ADC", "Add to Accumulator with Carry",                                         "61 63 65 67 69 6D 6F 71 72 73 75 77 79 7D 7F"},
    {"AND", "AND's a value with the Accumulator",                                    "21 23 25 27 29 2D 2F 31 32 33 35 37 39 3D 3F"},
    {"ASL", "Arithmetic Shift Left",                                                 "06 0A 0E 16 1E"},
    {"BCC", "Break on < (Branch Carry Clear)",                                       "90"},
    {"BCS", "Branch on > (Branch Carry Set)",                                        "B0"},
    {"BEQ", "Branch on =",                                                           "F0"},
    {"BIT", "Test Memory Bits against Accumulator",                                  "24 2C 34 3C 89"},
    {"BMI", "Branch on Negative Result",                                             "30"},
    {"BNE", "Not Branch",                                                            "D0"},
    {"BPL", "Branch on Positive Result",                                             "10"},
    {"BVC", "Branch on Overflow Clear",                                              "50"},
    {"BRA", "Branch Always",                                                         "80"},
    {"BRK", "Break",                                                                 "00"},
    {"BRL", "Branch Always Long",                                                    "82"},
    {"BVS", "Branch on Overflow Set",                                                "70"},
    {"CLC", "Clear Carry",                                                           "18"},
    {"CLD", "Clear Decimal",                                                         "D8"},
    {"CLI", "Clear Interrupt",                                                       "58"},
    {"CLV", "Clear Overflow",                                                        "B8"},
    {"CMP", "Compare with Accumulator",                                              "C1 C3 C5 C7 C9 CD CF D1 D2 D3 D5 D7 D9 DD DF"},
    {"COP", "Coprocessor Empowerment",                                               "02"},
    {"CPX", "Compare with X",                                                        "E0 E4 EC"},
    {"CPY", "Compare with Y",                                                        "C0 C4 CC"},
    {"DEC", "Decrement Accumulator by One",                                          "3A C6 CE D6 DE"},
    {"DEX", "Decrement X by One",                                                    "CA"},
    {"DEY", "Decrement Y by One",                                                    "88"},
    {"EOR", "XOR with the Accumulator",                                              "41 43 45 47 49 4D 4F 51 52 53 55 57 59 5D 5F"},
    {"INC", "Increment Accumulator by One",                                          "1A E6 EE F6 FE"},
    {"INX", "Increment X by One",                                                    "E8"},
    {"INY", "Increment Y by One",                                                    "C8"},
    {"JML", "Jump to Long Address",                                                  ""},
    {"JMP", "Jump to Address",                                                       "4C 5C 6C 7C DC"},
    {"JSL", "Jump to LongSub",                                                       ""},
    {"JSR", "Jump to Sub",                                                           "20 22 FC"},
    {"LDA", "Load to Accumulator",                                                   "A1 A3 A5 A7 A9 AD AF B1 B2 B3 B5 B7 B9 BD BF"},
    {"LDX", "Load to X",                                                             "A2 A6 AE B6 BE"},
    {"LDY", "Load to Y",                                                             "A0 A4 AC B4 BC"},
    {"LSR", "Logical Shift Right",                                                   "46 4A 4E 56 5E"},
    {"MVP", "Move Positive destination > source",                                    "44"},
    {"MVN", "Move Negative destination < source",                                    "54"},
    {"NOP", "No Operation",                                                          "EA"},
    {"ORA", "OR with Accumulator",                                                   "01 03 05 07 09 0D 0F 11 12 13 15 17 19 1D 1F"},
    {"PEA", "Push Effective Absolute Address",                                       "F4"},
    {"PEI", "Push Effective Indirect Address",                                       "D4"},
    {"PER", "Push Effective PC Relative Indirect Address",                           "62"},
    {"PHA", "Push Accumulator",                                                      "48"},
    {"PHB", "Push Data Bank",                                                        "8B"},
    {"PHD", "Push Direct Page",                                                      "0B"},
    {"PHK", "Pull Program Bank",                                                     "4B"},
    {"PHP", "Push Processor?",                                                       "08"},
    {"PHX", "Push X",                                                                "DA"},
    {"PHY", "Push Y",                                                                "5A"},
    {"PLA", "Pull Accumulator",                                                      "68"},
    {"PLB", "Pull Data Bank",                                                        "AB"},
    {"PLD", "Pull Direct Page",                                                      "2B"},
    {"PLP", "Pull Processor?",                                                       "28"},
    {"PLX", "Pull X",                                                                "FA"},
    {"PLY", "Pull Y",                                                                "7A"},
    {"REP", "Reset Status Bits",                                                     "C2"},
    {"ROL", "Rotate Memory or Accumulator Left",                                     "26 2A 2E 36 3E"},
    {"ROR", "Rotate Memory or Accumulator Right",                                    "66 6A 6E 76 7E"},
    {"RTI", "Return from Interrupt",                                                 "40"},
    {"RTL", "Return from Subroutine Long",                                           "6B"},
    {"RTS", "Return from Subroutine",                                                "60"},
    {"SBC", "Subtract from Accumulator with Carry",                                  "E1 E3 E5 E7 E9 ED EF F1 F2 F3 F5 F7 F9 FD FF"},
    {"SEC", "Set Carry",                                                             "38"},
    {"SED", "Set Decimal",                                                           "F8"},
    {"SEI", "Set Interrupt",                                                         "78"},
    {"SEP", "Set Status Bits",                                                       "E2"},
    {"STA", "Store to Accumulator",                                                  "81 83 85 87 8D 8F 91 92 93 95 97 99 9D 9F"},
    {"STP", "Stop the Processor",                                                    "DB"},
    {"STX", "Store to X",                                                            "86 8E 96"},
    {"STY", "Store to Y",                                                            "84 8C 94"},
    {"STZ", "Store Zero to destination offset",                                      "64 74 9C 9E"},
    {"TAX", "Transfer Accumulator to X",                                             "AA"},
    {"TAY", "Transfer Accumulator to Y",                                             "A8"},
    {"TCD", "Transfer Accumulator to Direct Page Register",                          "5B"},
    {"TCS", "Transfer Accumulator to Stack Pointer",                                 "1B"},
    {"TDC", "Transfer Direct Page Register to Accumulator",                          "7B"},
    {"TRB", "Test and Reset Memory Bits (AND)",                                      "14 1C"},
    {"TSB", "Test and Reset Memory Bits (OR)",                                       "04 0C"},
    {"TSC", "Transfer Stack Pointer to Accumulator",                                 "3B"},
    {"TSX", "Transfer Stack pointer to X",                                           "BA"},
    {"TXA", "Transfer X to Accumulator",                                             "8A"},
    {"TXS", "Transfer X to Stack pointer",                                           "9A"},
    {"TXY", "Transfer X to Y",                                                       "9B"},
    {"TYA", "Transfer Y to Accumulator",                                             "98"},
    {"TYX", "Transfer Y to X",                                                       "BB"},
    {"WAI", "Wait for Interrupt",                                                    "CB"},
    {"XBA", "Exchange B and A Accumulators (ie- high 8bits swapped with low 8bits",  "EB"},
    {"XCE", "Exchange Carry and Emulation Bits",                                     "FB"},
    {"WDM", "Not yet used... Currently similar to NOP",                              "42"},
}};
// clang-format on

}  // namespace hexling
