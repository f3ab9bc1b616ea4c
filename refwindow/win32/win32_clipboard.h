#pragma once

#include <windows.h>

#include <string_view>

namespace hexling {

// Puts the text on the clipboard as CF_UNICODETEXT, the clipboard opened for
// `owner`. Where another program holds the clipboard open, it keeps what it
// held; returns whether the text is there.
bool PutOnClipboard(HWND owner, std::string_view text);

}  // namespace hexling
