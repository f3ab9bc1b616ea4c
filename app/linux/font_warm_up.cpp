#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace hexling {

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

}  // namespace hexling
