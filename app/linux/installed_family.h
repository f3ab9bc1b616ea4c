#pragma once

#include <string>
#include <string_view>

namespace hexling {

// The installed family that fontconfig shows for a regular face of `family`,
// with `monospace` one of fixed pitch: `family` itself where it is installed,
// else the stand-in that the configuration gives it; empty where fontconfig
// finds none.
//
// Qt looks a family that is not installed up among the fallbacks of every
// installed font, sorted, and on a desktop with thousands of fonts that is
// the longest step of start-up. Asked for by this name, the same face is
// found directly: fontconfig's best match for the pattern Qt sorts is the
// first of those fallbacks.
std::string InstalledFamily(std::string_view family, bool monospace);

}  // namespace hexling
