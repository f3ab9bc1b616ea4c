#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "hex_values.h"

namespace hexling {
namespace {

TEST(HexValue, ReadsTheLeadingHexDigitsOfAnyCaseAfterRemovingBlanks) {
  const struct {
    std::string_view text;
    std::uint32_t value;
  } cases[] = {
      {"A9", 169}, {"a9", 169},  {"aF", 175},  {"00", 0},   {"FF", 255}, {"5C", 92},  {" 5C", 92},
      {"5 C", 92}, {"5C ", 92},  {"1G", 1},    {"G1", 0},   {"??", 0},   {" ", 0},    {"", 0},
      {"-1", 0},   {"0x1F", 0},  {"123", 291}, {"ffff", 65535}, {"9/", 9}, {"0:", 0}, {"@", 0},
      {"F@", 15},  {"f`", 15},   {"Eg", 14},   {"e{", 14},  {"[", 0},   {"/1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(HexValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(HexValue, SaturatesInsteadOfWrappingOnLongRuns) {
  EXPECT_EQ(HexValue("FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(HexValue("100000000"), std::numeric_limits<std::uint32_t>::max());
  EXPECT_EQ(HexValue(std::string(1000, '1')), std::numeric_limits<std::uint32_t>::max());
}

TEST(SplitHexValues, CutsTwoCharactersAtEveryThirdPosition) {
  using Items = std::vector<std::string>;
  EXPECT_EQ(SplitHexValues("06 0A 0E 16 1E "), (Items{"06", "0A", "0E", "16", "1E"}));
  EXPECT_EQ(SplitHexValues("00 "), (Items{"00"}));
  EXPECT_EQ(SplitHexValues(" "), (Items{" "}));
  EXPECT_EQ(SplitHexValues("??? "), (Items{"??", " "}));
  EXPECT_EQ(SplitHexValues("06 0A"), (Items{"06", "0A"}));
  EXPECT_EQ(SplitHexValues(""), Items{});
}

}  // namespace
}  // namespace hexling
