// Reading an input file piece by piece gives what reading it whole gives,
// wherever the pieces are cut: inside a record, a quoted item, a line end or
// a two-byte character.
#include "batch/input_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "support/scratch_folder.h"
#include "support/text_input.h"
#include "text/sjis.h"

namespace kovari::batch {
namespace {

using Items = std::vector<std::u16string>;

std::string sjis(std::u16string_view text) { return text::encode_sjis(text).value(); }

void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Items all_items(ItemReader& reader) {
  Items items;
  while (!reader.at_end()) items.emplace_back(reader.read_item());
  return items;
}

Items all_lines(ItemReader& reader) {
  Items lines;
  while (!reader.at_end()) lines.emplace_back(reader.read_line());
  return lines;
}

// Piece sizes from one byte up: every cut a small file can have.
constexpr std::size_t kPieceSizes[] = {1, 2, 3, 4, 5, 7, 8, 13, 1 << 18};

TEST(BatchInputFileTest, PiecesReadAsTheWholeText) {
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"quoted items across lines", sjis(u"1,\"東京都\r\n千代田区\",x\r\n2,\"a,b\"junk,y\r\n")},
      {"every kind of line end", "a,b\r\nc,d\re,f\ng,h\r\n"},
      {"two-byte characters and half-width kana",
       sjis(u"東京都千代田区,１００－０００１\r\nｵｵｻｶﾌ,ソ表能\r\n")},
      {"blank lines inside and at the end", "x,1\r\n\r\n \t\r\ny,2 \r\n \t\r\n\r\n  "},
      {"an unclosed quote", sjis(u"x,\"東京\r\n 都\r\n\r\n")},
      {"blanks only", " \r\n\t\r\n"},
      {"no line end at the end", sjis(u"a, 東京 ,\t\"b\"")},
      {"empty", ""},
  };
  testing::TempFolder folder;
  const auto path = folder.path() / "in.csv";
  for (const auto& c : cases) {
    write_bytes(path, c.bytes);
    const std::u16string text = text::decode_sjis(c.bytes).value();
    ItemReader whole_items(records_text(text)), whole_lines(records_text(text));
    const Items items = all_items(whole_items), lines = all_lines(whole_lines);
    EXPECT_EQ(read_input_file(path).text, text) << c.what;
    for (const std::size_t piece : kPieceSizes) {
      InputFile input(piece);
      ASSERT_TRUE(input.open(path)) << c.what << ": " << input.error();
      EXPECT_EQ(input.item_total(), static_cast<long>(items.size())) << c.what << ", " << piece;
      ItemReader item_reader = input.records(), line_reader = input.records();
      EXPECT_EQ(all_items(item_reader), items) << c.what << ", pieces of " << piece;
      EXPECT_EQ(all_lines(line_reader), lines) << c.what << ", pieces of " << piece;
      EXPECT_EQ(input.error(), "") << c.what;
    }
  }
}

TEST(BatchInputFileTest, TextThatIsNotShiftJisFailsAtTheLineOfItsFirstBadByte) {
  const struct {
    std::string bytes;
    int line;
    int offset;
  } cases[] = {
      {"a\r\nb\x81\r\n", 2, 4},              // a lead byte before a line end
      {"a,b\r\nc\nd,\x81", 3, 9},            // a lead byte that ends the file
      {sjis(u"東京\r\n") + "x\x80y", 2, 7},  // a byte that is no character
      {"a\r\n\r\n\r\n\xFF\r\n", 4, 7},
  };
  testing::TempFolder folder;
  const auto path = folder.path() / "bad.csv";
  for (const auto& c : cases) {
    write_bytes(path, c.bytes);
    const std::string expected = "\"" + path.string() + "\": line " + std::to_string(c.line) +
                                 " is not Shift-JIS text (byte offset " + std::to_string(c.offset) +
                                 ")";
    EXPECT_EQ(read_input_file(path).error, expected);
    for (const std::size_t piece : kPieceSizes) {
      InputFile input(piece);
      EXPECT_FALSE(input.open(path)) << expected;
      EXPECT_EQ(input.error(), expected) << "pieces of " << piece;
    }
  }
}

// Appends "|" and the record's first item to every record.
class MarkingConverter : public RecordConverter {
 public:
  int lay_out(int item_count) override { return out_pos_ = item_count + 1; }
  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    rec_item[out_pos_] = u"|" + rec_item[1];
    ++counts.converted_count;
  }

 private:
  int out_pos_ = 0;
};

std::string run_on(BatchInput& input, const std::filesystem::path& out, long start_line,
                   BatchOutcome& outcome) {
  MarkingConverter converter;
  RecordConverter* const converters[] = {&converter};
  SilentHost host(true);
  const RunPlan plan{out, 2, start_line};
  const BatchForm form{u"", Focus::kStartLine, Focus::kItemCount, false};
  outcome = run_batch(input, plan, form, converters, host, std::chrono::steady_clock::now());
  return testing::file_bytes(out);
}

TEST(BatchInputFileTest, RunsWriteWhatTheWholeTextWrites) {
  const struct {
    std::u16string text;
    long start_line;
  } cases[] = {
      // Item mode: records that span lines, from the second record on.
      {u"1,\"東京都\r\n千代田区\"\r\n2,\r\n大阪府\r\n3,京都府\r\n", 2},
      // Line mode (seven items, not a multiple of two): a short line, a blank one.
      {u"1,東京都\r\n2\r\n\r\n3,大阪府,x\r\n", 1},
      {u"1,東京都\r\n2\r\n\r\n3,大阪府,x\r\n", 3},
  };
  testing::TempFolder folder;
  const auto path = folder.path() / "in.csv";
  for (const auto& c : cases) {
    write_bytes(path, sjis(c.text));
    testing::TextInput whole(c.text);
    BatchOutcome expected_outcome, outcome;
    const std::string expected =
        run_on(whole, folder.path() / "whole.csv", c.start_line, expected_outcome);
    ASSERT_EQ(expected_outcome.result, BatchResult::Finished);
    for (const std::size_t piece : kPieceSizes) {
      InputFile input(piece);
      ASSERT_TRUE(input.open(path));
      EXPECT_EQ(run_on(input, folder.path() / "pieces.csv", c.start_line, outcome), expected)
          << "pieces of " << piece;
      EXPECT_EQ(outcome.result, BatchResult::Finished);
      EXPECT_EQ(outcome.target_count, expected_outcome.target_count);
    }
  }
}

TEST(BatchInputFileTest, AFileCutShortAfterItsCheckFailsTheRunAndWritesNothing) {
  testing::TempFolder folder;
  const auto path = folder.path() / "in.csv";
  const auto out = folder.path() / "out.csv";
  write_bytes(path, "1,a\r\n2,b\r\n3,c\r\n");
  write_bytes(out, "earlier");
  InputFile input(4);
  ASSERT_TRUE(input.open(path));
  write_bytes(path, "1,a\r\n");  // the same file, cut short
  BatchOutcome outcome;
  EXPECT_EQ(run_on(input, out, 1, outcome), "earlier");
  EXPECT_EQ(outcome.result, BatchResult::Failed);
  EXPECT_EQ(outcome.message, kMsgInputUnreadable);
  EXPECT_NE(outcome.error.find("changed while it was being read"), std::string::npos)
      << outcome.error;
}

}  // namespace
}  // namespace kovari::batch
