#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "kept_failure.h"

namespace hexling::testing {
namespace {

// A run that throws, or keeps a failure where a toolkit called it and still
// ends normally, is reported once, with what failed first, and gives 1;
// any other run gives its own status and says nothing.
TEST(RunStoppingOnFailure, ReportsTheFirstFailureOnceAndGives1) {
  const struct {
    const char* what;
    std::function<int()> run;
    int status;
    std::vector<std::string> reports;
  } runs[] = {
      {"a clean run", [] { return 0; }, 0, {}},
      {"a run that throws", []() -> int { throw std::runtime_error("no window"); }, 1, {"Hexling has to stop: no window"}},
      {"a run that kept two failures",
       [] {
         for (const char* failure : {"first", "second"}) {
           try {
             throw std::runtime_error(failure);
           } catch (...) {
             KeepFailure();
           }
         }
         return 0;
       },
       1,
       {"Hexling has to stop: first"}},
  };
  for (const auto& run : runs) {
    std::vector<std::string> reports;
    EXPECT_EQ(RunStoppingOnFailure(run.run, [&](const std::string& report) { reports.push_back(report); }), run.status)
        << run.what;
    EXPECT_EQ(reports, run.reports) << run.what;
  }
}

}  // namespace
}  // namespace hexling::testing
