#pragma once

namespace hexling {

// Puts the window's own touches to the style over the application's style, as
// one proxy for the whole application, so that they follow any style the user
// chose. Call it before the controls are made: a drop-down list takes the form
// of its popup from the style when it is made. Does nothing when the proxy is
// there already; after the application changes its style, call it again to
// put the proxy over the new one.
void UseForm1Style();

}  // namespace hexling
