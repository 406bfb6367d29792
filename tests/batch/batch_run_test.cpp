#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include "text/format.h"
#include "text/sjis.h"

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

// Seven digits are written without a pass through Format: whatever the code,
// the result is Format's.
TEST(BatchRunTest, ACodeIsFormattedAsFormatFormatsIt) {
  const std::u16string_view codes[] = {u"0600007",  u"9999999",        u"0000000",  u"123",
                                       u"12345678", u"１２３４５６７", u"060-0007", u"",
                                       u" 0600007", u"06000O7"};
  for (const std::u16string_view code : codes) {
    EXPECT_EQ(format_code(code, false), text::Format(code, u"0000000")) << text::to_utf8(code);
    EXPECT_EQ(format_code(code, true), text::Format(code, u"000-0000")) << text::to_utf8(code);
  }
  EXPECT_EQ(format_code(u"0600007", true), u"060-0007");
}

}  // namespace
}  // namespace kovari::batch
