#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace hexling {

FontWarmUp::FontWarmUp() {
  // One heap for both threads: what the configuration allocates is what the
  // window uses afterwards, on the main thread, and an arena of the second
  // thread's own would stay behind, mostly empty, in the resident memory.
  mallopt(M_ARENA_MAX, 1);
  thread_ = std::thread([] { FcInit(); });
}

}  // namespace hexling
