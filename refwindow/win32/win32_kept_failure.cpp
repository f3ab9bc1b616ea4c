#include "win32_kept_failure.h"

#include <utility>

namespace hexling {
namespace {

thread_local std::exception_ptr kept;

}  // namespace

void KeepFailure() noexcept {
  if (!kept) kept = std::current_exception();
}

std::exception_ptr TakeFailure() noexcept { return std::exchange(kept, nullptr); }

}  // namespace hexling
