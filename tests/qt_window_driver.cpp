#include "qt_window_driver.h"

namespace hexling::testing {

const char* const BindingName = "Qt";

std::unique_ptr<WindowDriver> NewWindowDriver() { return std::make_unique<QtWindowDriver>(); }

}  // namespace hexling::testing
