#include "kept_failure.h"

#include <utility>

namespace hexling {
namespace {

thread_local std::exception_ptr kept;

std::string Described(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    return std::string("Hexling has to stop: ") + error.what();
  } catch (...) {
    return "Hexling has to stop after a failure it cannot name.";
  }
}

}  // namespace

void KeepFailure() noexcept {
  if (!kept) kept = std::current_exception();
}

std::exception_ptr TakeFailure() noexcept { return std::exchange(kept, nullptr); }

int RunStoppingOnFailure(const std::function<int()>& run, const std::function<void(const std::string&)>& report) {
  int status = 1;
  try {
    status = run();
  } catch (...) {
    KeepFailure();
  }
  if (const std::exception_ptr failure = TakeFailure()) {
    report(Described(failure));
    return 1;
  }
  return status;
}

}  // namespace hexling
