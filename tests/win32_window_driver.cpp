#include "win32_window_driver.h"

namespace hexling::testing {

const char* const BindingName = "Win32";

std::unique_ptr<WindowDriver> NewWindowDriver() { return std::make_unique<Win32WindowDriver>(); }

}  // namespace hexling::testing
