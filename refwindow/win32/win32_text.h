#pragma once

#include <string>
#include <string_view>

namespace hexling {

// UTF-8, as the window logic holds its texts, to the UTF-16 of user32's wide
// API, and back.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view wide);

}  // namespace hexling
