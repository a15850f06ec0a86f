// When a poll of the progress window looks at its waiting messages.
#include <gtest/gtest.h>

#include "app/paced_progress.h"

namespace {

using std::chrono::microseconds;

TEST(CancelLook, LooksWhileLookingIsAHundredthOfTheRunAtMostAndAlwaysAtTheEnd) {
  struct Case {
    microseconds looking, elapsed;
    bool lastPolls, due;
  } const cases[] = {
      {microseconds(0), microseconds(0), false, true},          // the first poll
      {microseconds(1), microseconds(100), false, true},        // a cheap look: every file
      {microseconds(1000), microseconds(99999), false, false},  // a dear look: skipped for now
      {microseconds(1000), microseconds(100000), false, true},
      {microseconds(1000), microseconds(1000), true, true},  // the end of a run
  };
  for (const Case& c : cases)
    EXPECT_EQ(CancelLookDue(c.looking, c.elapsed, c.lastPolls), c.due)
        << c.looking.count() << " us looking in " << c.elapsed.count() << " us";
}

}  // namespace
