// Records converted side by side write what one converter writes record by
// record: the same lines in the same order, the same counts, the same failure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "support/scratch_folder.h"
#include "support/text_input.h"

namespace kovari::batch {
namespace {

// Appends item 1 and item 2 joined, and overwrites item 2 with a mark, as a
// conversion that replaces an item of the record does: a short line after it
// keeps the mark, not the item read before.
class JoiningConverter : public RecordConverter {
 public:
  int lay_out(int item_count) override { return out_pos_ = item_count + 1; }
  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    rec_item[out_pos_] = rec_item[1] + u"|" + rec_item[2];
    if (!rec_item[1].empty()) ++counts.converted_count;
    if (rec_item[1].starts_with(u"w")) ++counts.warning_count;
    rec_item[2] = u"done" + rec_item[1];
  }

 private:
  int out_pos_ = 0;
};

std::u16string text_number(int i) {
  const std::string digits = std::to_string(i);
  return {digits.begin(), digits.end()};
}

struct RunResult {
  BatchOutcome outcome;
  std::string output;
};

RunResult run_with(std::u16string_view text, int jobs, long start_line) {
  testing::TempFolder folder;
  std::vector<JoiningConverter> converters(static_cast<std::size_t>(jobs));
  std::vector<RecordConverter*> pointers;
  for (JoiningConverter& c : converters) pointers.push_back(&c);
  SilentHost host(true);
  const RunPlan plan{folder.path() / "out.csv", 2, start_line};
  const BatchForm form{u"", Focus::kStartLine, Focus::kItemCount, true};
  RunResult run;
  testing::TextInput input(text);
  run.outcome = run_batch(input, plan, form, pointers, host, std::chrono::steady_clock::now());
  run.output = testing::file_bytes(plan.out_path);
  return run;
}

TEST(RecordChunkTest, SideBySideWritesWhatOneConverterWrites) {
  std::u16string lines, records;
  // More chunks than are on their way at once.
  for (int i = 1; i <= 20000; ++i) {
    const std::u16string n = text_number(i);
    records += n + u",a" + n + u"\r\n";
    // A short line now and then (line mode; also first in a chunk), a blank
    // line, a warning.
    if (i % 997 == 0 || i % 4096 == 1) {
      lines += n + u"\r\n";
    } else if (i % 1999 == 0) {
      lines += u"\r\n";
    } else {
      lines += (i % 3 == 0 ? u"w" : u"") + n + u",a" + n + u"\r\n";
    }
  }
  for (const std::u16string& text : {records, lines}) {
    for (const long start : {1L, 4097L}) {
      const RunResult one = run_with(text, 1, start);
      ASSERT_EQ(one.outcome.result, BatchResult::Finished);
      for (const int jobs : {2, 3}) {
        const RunResult several = run_with(text, jobs, start);
        EXPECT_EQ(several.outcome.result, BatchResult::Finished);
        EXPECT_EQ(several.output, one.output) << jobs << " jobs from " << start;
        EXPECT_EQ(several.outcome.target_count, one.outcome.target_count);
        EXPECT_EQ(several.outcome.converted_count, one.outcome.converted_count);
        EXPECT_EQ(several.outcome.warning_count, one.outcome.warning_count);
      }
    }
  }
}

TEST(RecordChunkTest, ALineWithoutShiftJisFailsAtTheSameLine) {
  // In the first chunk, and in a later one while others are on their way.
  for (const int bad_line : {3210, 17000}) {
    std::u16string text;
    for (int i = 1; i <= 20000; ++i) {
      text += (i == bad_line ? u"\U0001F600" : u"x") + text_number(i) + u",a\r\n";
    }
    const RunResult one = run_with(text, 1, 1);
    const RunResult several = run_with(text, 3, 1);
    ASSERT_EQ(one.outcome.result, BatchResult::Failed);
    EXPECT_NE(one.outcome.error.find("line " + std::to_string(bad_line)), std::string::npos)
        << one.outcome.error;
    EXPECT_EQ(several.outcome.result, BatchResult::Failed);
    // The same but for the folder the file is in.
    const auto reason = [](const std::string& error) { return error.substr(error.find("\" ")); };
    EXPECT_EQ(reason(several.outcome.error), reason(one.outcome.error));
    EXPECT_TRUE(several.output.empty());
  }
}

}  // namespace
}  // namespace kovari::batch
