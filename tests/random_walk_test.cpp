// A seeded walk of what a user can do, checking after every step that the
// window still tells one consistent story: a few hundred of each action, in
// states the directed tests do not set up. Long walks are the fuzzer's.
#include <gtest/gtest.h>

#include <random>

#include "user_walk.h"

namespace hexling::testing {
namespace {

TEST(Form1RandomWalk, EveryStepLeavesTheWindowConsistent) {
  UserWalk walk;
  std::mt19937 random(20261207);
  for (int step = 0; step < 2000; ++step) {
    const unsigned kind = random();
    ASSERT_EQ(walk.Step(kind, random()), "") << "step " << step << ", action " << kind % 5;
  }
}

}  // namespace
}  // namespace hexling::testing
