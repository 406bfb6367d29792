#include "batch/input_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/recording_host.h"
#include "support/text_input.h"
#include "text/sjis.h"

namespace kovari::batch {
namespace {

using kovari::testing::RecordingHost;
using kovari::testing::TextInput;

std::filesystem::path fresh_folder(const std::string& name) {
  const auto dir = std::filesystem::path(::testing::TempDir()) /
                   ("kovari_input_check_" + name + "_" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::u16string items(int n) {
  std::u16string line;
  for (int k = 1; k <= n; ++k) line += (k > 1 ? u"," : u"") + text::from_utf8(std::to_string(k));
  return line;
}

TEST(BatchInputCheckTest, InputFieldNeedsANonEmptyFile) {
  const auto dir = fresh_folder("field");
  write_bytes(dir / "data.csv", "a,b\r\n");
  write_bytes(dir / "empty.csv", "");
  const std::u16string folder = text::from_utf8(dir.string());
  EXPECT_TRUE(input_file_ok(u"  " + folder + u"/data.csv  "));
  EXPECT_FALSE(input_file_ok(folder + u"/empty.csv"));
  EXPECT_FALSE(input_file_ok(folder + u"/missing.csv"));
  EXPECT_FALSE(input_file_ok(folder));
  EXPECT_FALSE(input_file_ok(u"   "));
}

TEST(BatchInputCheckTest, ReadsShiftJisAndReportsWhatItCannotRead) {
  const auto dir = fresh_folder("read");
  write_bytes(dir / "good.csv", text::encode_sjis(u"東京都,千代田区\r\n").value());
  write_bytes(dir / "bad.csv", "a\r\nb\x81\r\n");
  const InputText good = read_input_file(dir / "good.csv");
  ASSERT_TRUE(good.text);
  EXPECT_EQ(*good.text, u"東京都,千代田区\r\n");
  const InputText bad = read_input_file(dir / "bad.csv");
  EXPECT_FALSE(bad.text);
  EXPECT_NE(bad.error.find("line 2"), std::string::npos) << bad.error;
  const InputText missing = read_input_file(dir / "missing.csv");
  EXPECT_FALSE(missing.text);
  EXPECT_NE(missing.error.find("missing.csv"), std::string::npos) << missing.error;
}

TEST(BatchInputCheckTest, ProbeCountsTheFirstLineUpToFiftyOne) {
  const struct {
    std::u16string text;
    int n;
  } cases[] = {
      {u"a,b,c\r\nd", 3}, {u"\"東京都,千代田区\",x", 2},
      {items(50), 50},    {items(51) + u"\r\n1", 51},
      {items(60), 52},
  };
  for (const auto& c : cases) {
    RecordBuffer rec;
    TextInput input(c.text);
    EXPECT_EQ(probe_first_line(input, rec), c.n) << text::to_utf8(c.text);
  }
}

TEST(BatchInputCheckTest, ChoosesTheReadingMode) {
  const struct {
    std::u16string_view text;
    int item_count;
    long start_line;
    bool answer_yes;
    InputStatus status;
    long record_count;
    int questions;
  } cases[] = {
      {u"a,b,c\r\n", 3, 1, true, InputStatus::ItemMode, 1, 0},
      // Entered 2, found 3: the user is asked; Yes reads line by line (3 does not divide by 2).
      {u"a,b,c\r\n", 2, 1, true, InputStatus::LineMode, 1, 1},
      {u"a,b,c\r\n", 2, 1, false, InputStatus::ItemCountRefused, 0, 1},
      // Records split over two lines each, with the item count right.
      {u"1,a,\r\nb\r\n2,c,\r\nd\r\n", 4, 1, true, InputStatus::ItemMode, 2, 1},
      {u"1,a\r\n2,b\r\n", 2, 3, true, InputStatus::StartBeyondEnd, 2, 0},
      {u"1,a\r\n2,b\r\n", 2, 2, true, InputStatus::ItemMode, 2, 0},
      {u"1,a\r\n2,b\r\n", 2, 0, true, InputStatus::ItemMode, 2, 0},
      // A quoted comma is part of one item.
      {u"\"東京都,千代田区\",1\r\n", 2, 1, true, InputStatus::ItemMode, 1, 0},
  };
  for (const auto& c : cases) {
    RecordingHost host(c.answer_yes);
    RecordBuffer rec;
    TextInput input(c.text);
    const InputCheck check = chk_infile(input, c.item_count, c.start_line, host, rec);
    EXPECT_EQ(check.status, c.status) << text::to_utf8(c.text);
    if (c.status != InputStatus::ItemCountRefused) {
      EXPECT_EQ(check.record_count, c.record_count) << text::to_utf8(c.text);
    }
    EXPECT_EQ(host.questions.size(), static_cast<size_t>(c.questions)) << text::to_utf8(c.text);
  }
}

TEST(BatchInputCheckTest, RefusesAFirstLineOfMoreThanFiftyItems) {
  for (int n : {50, 51, 52}) {
    RecordingHost host;
    RecordBuffer rec;
    TextInput input(items(n));
    const InputCheck check = chk_infile(input, n, 1, host, rec);
    EXPECT_EQ(check.status, n <= 50 ? InputStatus::ItemMode : InputStatus::TooManyItems) << n;
    EXPECT_TRUE(host.questions.empty());
  }
}

TEST(BatchInputCheckTest, WarningNamesBothCountsInFullWidthDigits) {
  RecordingHost host(false);
  RecordBuffer rec;
  TextInput input(u"a,b,c");
  chk_infile(input, 2, 1, host, rec);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0],
            u"警告メッセージ|変換前ファイルの項目数 ２ と入力されましたが、\r\n実際は ３です。"
            u"\r\n\r\n処理を続行しますか。");
  EXPECT_EQ(rec[3], u"c");  // the probe leaves the first record's items behind
}

}  // namespace
}  // namespace kovari::batch
