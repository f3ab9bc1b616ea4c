// No C++ exception may unwind through user32, whose frames lie between a
// window procedure and the event loop: the binding's procedures run their
// handling through Guarded, which keeps the first exception and ends the
// thread's event loop with status 1.
#pragma once

#include <windows.h>

#include "kept_failure.h"

namespace hexling {

// What `handling` returns; where it throws, 0, the failure kept and the
// event loop ended with status 1.
template <class Handling>
LRESULT Guarded(Handling&& handling) noexcept {
  try {
    return handling();
  } catch (...) {
    KeepFailure();
    PostQuitMessage(1);
    return 0;
  }
}

}  // namespace hexling
