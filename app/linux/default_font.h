#pragma once

namespace hexling {

// Names the application's default font by the installed family that shows
// it, where its name is one that Qt would look up among every font's
// fallbacks: the generic desktop's "Sans Serif", say. Its text looks the same.
// Call it once the application exists, before any widget.
void NameTheDefaultFontByItsInstalledFamily();

}  // namespace hexling
