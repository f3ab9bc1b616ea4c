// Letters of ASCII alone, never the locale's: a toolkit may set the locale to
// the user's, and the tables are ASCII.
#pragma once

namespace hexling {

constexpr bool IsUppercaseLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Lowercase letters in uppercase, every other character as it is.
constexpr char AsciiUppercase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace hexling
