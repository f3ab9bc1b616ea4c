#pragma once

class QWidget;

namespace hexling {

// Gives one of the window's controls the window's touches over the
// application's style, so that they follow any style the user chose while
// the application keeps its own. Call it before a drop-down list first
// opens, and again on each control after the application changes its style.
void GiveForm1Style(QWidget& control);

}  // namespace hexling
