#include "batch/batch_run.h"

#include <gtest/gtest.h>

namespace kovari::batch {
namespace {

TEST(BatchRunTest, TheProgressStepIsAHundredthOfTheRecordsRoundedUp) {
  const struct {
    long record_count, step;
  } cases[] = {
      {0, 1}, {1, 1}, {99, 1}, {100, 1}, {101, 2}, {200, 2}, {201, 3}, {12345, 124},
  };
  for (const auto& c : cases) EXPECT_EQ(progress_step(c.record_count), c.step) << c.record_count;
}

TEST(BatchRunTest, RecordsPerSecond) {
  EXPECT_DOUBLE_EQ(records_per_second(5000, 2.0), 2500.0);
  EXPECT_DOUBLE_EQ(records_per_second(10, 0.0), 0.0);
}

}  // namespace
}  // namespace kovari::batch
