// user32's refusals as exceptions whose text is Windows' own message, in
// the UTF-8 that the program holds its texts in: the standard library's
// system_category gives MinGW's ANSI text, which no box would show right in
// a language with accented letters.
#pragma once

#include <system_error>

namespace hexling {

// Throws std::system_error for the thread's last error, after `what`.
[[noreturn]] void ThrowLastError(const char* what);

}  // namespace hexling
