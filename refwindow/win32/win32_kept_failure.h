// No C++ exception may unwind through user32, whose frames lie between a
// window procedure and the event loop: the binding's procedures run their
// handling through Guarded, which keeps the first exception and ends the
// thread's event loop with status 1. The program reports what was kept once
// the loop has ended.
#pragma once

#include <windows.h>

#include <exception>

namespace hexling {

// Keeps the exception being handled, unless one is kept already. Call it in
// a catch block.
void KeepFailure() noexcept;

// The first failure kept on this thread since the last call; none if none was.
std::exception_ptr TakeFailure() noexcept;

// What `handling` returns; where it throws, `onFailure`, the failure kept
// and the event loop ended with status 1.
template <class Handling>
LRESULT Guarded(Handling&& handling, LRESULT onFailure) noexcept {
  try {
    return handling();
  } catch (...) {
    KeepFailure();
    PostQuitMessage(1);
    return onFailure;
  }
}

}  // namespace hexling
