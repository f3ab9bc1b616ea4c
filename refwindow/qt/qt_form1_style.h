#pragma once

class QObject;
class QStyle;

namespace hexling {

// The window's touches over the application's style as it is now, owned by
// `owner`: its controls follow any style the user chose, while the
// application keeps its own.
QStyle* NewForm1Style(QObject& owner);

}  // namespace hexling
