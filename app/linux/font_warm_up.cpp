#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <string>
#include <utility>

#include "installed_family.h"

namespace hexling {

FontWarmUp::FontWarmUp(std::string_view face)
    : installedFace_(face), thread_([this] {
        FcInit();
        if (std::string found = InstalledFamily(installedFace_, true); !found.empty()) {
          installedFace_ = std::move(found);
        }
      }) {}

}  // namespace hexling
