// What the program does where something fails that it cannot go on without:
// the first failure is kept, the event loop ends with status 1, and the
// program says what failed, once, when the loop has ended. No exception may
// unwind through a toolkit, so each binding keeps a failure where the toolkit
// calls its code, and ends the loop its own way.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace hexling {

// Keeps the exception being handled, unless one is kept already. Call it in
// a catch block.
void KeepFailure() noexcept;

// The first failure kept on this thread since the last call; none if none was.
std::exception_ptr TakeFailure() noexcept;

// What `run` returns, the window made, shown and its loop run; where it
// throws, or kept a failure, `report` is given what failed and 1 is returned.
int RunStoppingOnFailure(const std::function<int()>& run, const std::function<void(const std::string&)>& report);

}  // namespace hexling
