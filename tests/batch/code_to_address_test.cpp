#include "batch/code_to_address.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "code_search/postal_image.h"
#include "support/recording_host.h"
#include "text/sjis.h"
#include "text/strconv.h"

namespace kovari::batch {
namespace {

using code_search::testing::PostalImage;
using kovari::testing::RecordingHost;

class CodeBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const int hokkaido = image.add_pref(u"北海道");
    const int tokyo = image.add_pref(u"東京都");
    const auto sapporo = PostalImage::location(hokkaido, image.add_city(u"札幌市", u"中央区"));
    const auto chiyoda = PostalImage::location(tokyo, image.add_city(u"千代田区"));
    image.town("0010000", sapporo, u"ア以下に掲載がない場合");
    image.town("0600042", sapporo, u"オ大通西（１～１９丁目）");
    image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
    image.town("1000000", chiyoda, u"ア以下に掲載がない場合");
    image.town("1000001", chiyoda, u"チ千代田");
    // Ordinal 0 sends the run walk past the record: an inconsistent index.
    image.main_index.push_back({"1000002", image.add_town("1000002", chiyoda, u"コ皇居外苑"), 0});
    image.town("1000003", chiyoda, u"カ霞が関");
    image.add_sorted(image.detail_index, "1008798",
                     image.add_detail("1008798", chiyoda, u"宮内庁", u"千代田", u"１－１"));
    image.detail_index.push_back(
        {"1008799", image.add_detail("1008799", chiyoda, u"郵便", u"丸の内", u"２－７"), 0});
    image.open(session.db, "batch_" + name);
    session.settings.set_flag(settings::Flag::kDetailFile, 1);

    dir = std::filesystem::path(::testing::TempDir()) /
          ("kovari_code_batch_" + name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    fields.in_file = path_text(dir / "in.csv");
    fields.out_file = path_text(dir / "out.csv");
  }

  static std::u16string path_text(const std::filesystem::path& path) {
    return text::from_utf8(path.string());
  }
  void write_input(std::u16string_view content) {
    std::ofstream(dir / "in.csv", std::ios::binary) << text::encode_sjis(content).value();
  }
  std::u16string output() const {
    std::ifstream in(dir / "out.csv", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text::decode_sjis(bytes).value();
  }
  CodeBatchOutcome run() { return run_code_batch(fields, session, host); }

  std::string name;
  PostalImage image;
  Session session;
  RecordingHost host;
  std::filesystem::path dir;
  CodeBatchFields fields{u"", u"2", u"2", u"2", u"", true};
};

TEST_F(CodeBatchTest, ConvertsEveryRecordWithItsStatusMessage) {
  write_input(
      u"番号,郵便番号\r\n"
      u"1,1000001\r\n"
      u"2,0640941\r\n"
      u"3,1000000\r\n"
      u"4,0600042\r\n"
      u"5,1000002\r\n"
      u"6,1008799\r\n"
      u"7,12345\r\n"
      u"8,1009999\r\n"
      u"9,100\r\n"
      u"10,〒１００－０００１\r\n"
      u"\"東京都,千代田区\",1008798\r\n");
  const CodeBatchOutcome outcome = run();
  ASSERT_EQ(outcome.result, BatchResult::Finished) << text::to_utf8(outcome.message);
  EXPECT_EQ(
      output(),
      u"1,1000001,東京都千代田区千代田,\r\n"
      u"2,0640941,北海道札幌市中央区旭ケ丘１,"
      u"この郵便番号は複数の町域が重複しています。筆頭の町域を編集しました。\r\n"
      u"3,1000000,東京都千代田区,"
      u"町域が特定できない(以下に掲載がない町域)郵便番号(末尾２桁が00)です。\r\n"
      u"4,0600042,北海道札幌市中央区大通西,\"町域に\"\"～\"\"を含むため編集より除外しました。\"\r\n"
      u"5,1000002,,続行不可能なエラー1が発生しました。\r\n"
      u"6,1008799,,続行不可能なエラー2が発生しました。\r\n"
      u"7,12345,,郵便番号が正しくありません。\r\n"
      u"8,1009999,,郵便番号が存在しません。\r\n"
      u"9,100,東京都千代田区,\r\n"
      u"10,〒１００－０００１,東京都千代田区千代田,\r\n"
      u"\"東京都,千代田区\",1008798,東京都千代田区千代田１－１宮内庁,\r\n");
  EXPECT_EQ(outcome.target_count, 11);
  EXPECT_EQ(outcome.converted_count, 7);
  EXPECT_EQ(outcome.warning_count, 3);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].rfind(
                u"情報メッセージ|一括変換処理が終了しました。\r\n変換対象件数は１１件です。\r\n"
                u"変換件数は　　　７件です。\r\n内ワーニングは　　３件です。\r\n処理時間は　",
                0),
            0u)
      << text::to_utf8(host.boxes[0]);
  EXPECT_EQ(host.statuses.front(), u"一括変換処理中！！");
  EXPECT_EQ(host.progress_captions,
            std::vector<std::u16string>{u"ソラト郵便番号　一括変換処理中!!"});
  // Twelve records: the bar moves at every one of them.
  EXPECT_EQ(host.progress_ranges, (std::vector<std::pair<long, long>>{{0, 12}}));
  EXPECT_EQ(host.progress_values.size(), 12u);
}

TEST_F(CodeBatchTest, WithoutTheMessageItemARecordGainsOneItem) {
  write_input(u"1,1000001\r\n2,1009999\r\n");
  fields.write_message = false;
  fields.start_line = u"";
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(), u"1,1000001,東京都千代田区千代田\r\n2,1009999,\r\n");
}

TEST_F(CodeBatchTest, ItemModeReadsRecordsAcrossLines) {
  write_input(u"1\r\n1000001\r\n2\r\n0010000\r\n");
  fields.start_line = u"1";
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,1000001,東京都千代田区千代田,\r\n"
            u"2,0010000,北海道札幌市中央区,"
            u"町域が特定できない(以下に掲載がない町域)郵便番号(末尾２桁が00)です。\r\n");
  EXPECT_EQ(host.questions.size(), 1u);  // the first line holds one item, not two
}

TEST_F(CodeBatchTest, LineModeConvertsLineByLine) {
  // Five items in all do not divide by 2: each line is one record.
  write_input(u"1,1000001,x\r\n2,1000003\r\n");
  fields.item_count = u"2";
  fields.start_line = u"1";
  fields.write_message = false;
  ASSERT_EQ(run().result, BatchResult::Finished);
  // The third item of the first line is where the address goes.
  EXPECT_EQ(output(), u"1,1000001,東京都千代田区千代田\r\n2,1000003,東京都千代田区霞が関\r\n");
}

TEST_F(CodeBatchTest, BlankLinesAtTheEndMakeNoRecordAndThoseBeforeStayEmptyRecords) {
  fields.start_line = u"1";
  const struct {
    std::u16string_view input, output;
    std::size_t questions;
  } cases[] = {
      // Item mode: the final blank line neither counts as an item nor repeats a code.
      {u"x,1000001\r\ny,1000003\r\n\r\n",
       u"x,1000001,東京都千代田区千代田,\r\ny,1000003,東京都千代田区霞が関,\r\n", 0},
      {u"x,1000001\ny,1000003\n \n\n",
       u"x,1000001,東京都千代田区千代田,\r\ny,1000003,東京都千代田区霞が関,\r\n", 0},
      // A blank line between records is an empty record of its own (line mode).
      {u"x,1000001\r\n\r\ny,1000003\r\n\r\n",
       u"x,1000001,東京都千代田区千代田,\r\n"
       u",,,郵便番号が正しくありません。\r\n"
       u"y,1000003,東京都千代田区霞が関,\r\n",
       0},
  };
  for (const auto& c : cases) {
    write_input(c.input);
    host = RecordingHost();
    const CodeBatchOutcome outcome = run();
    ASSERT_EQ(outcome.result, BatchResult::Finished) << text::to_utf8(c.input);
    EXPECT_EQ(output(), c.output) << text::to_utf8(c.input);
    EXPECT_EQ(host.questions.size(), c.questions);
  }
}

TEST_F(CodeBatchTest, AnExistingOutputIsReplacedOnlyWhenTheWindowsQuestionIsAnsweredYes) {
  write_input(u"1,1000001\r\n");
  fields.start_line = u"1";
  fields.ask_overwrite = true;
  for (const bool yes : {false, true}) {
    std::ofstream(dir / "out.csv", std::ios::binary) << "old";
    host = RecordingHost(yes);
    const CodeBatchOutcome outcome = run();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_NE(host.questions[0].find(u"上書きしても構いませんか。"), std::u16string::npos);
    EXPECT_EQ(outcome.result, yes ? BatchResult::Finished : BatchResult::Refused);
    EXPECT_EQ(output(), yes ? u"1,1000001,東京都千代田区千代田,\r\n" : u"old");
    if (!yes) EXPECT_EQ(outcome.focus, Focus::kOutputFile);
  }
}

TEST_F(CodeBatchTest, WhileTheAddressBatchWindowIsOpenTheDetailFileIsLeftAlone) {
  write_input(u"1,1008798\r\n");
  fields.start_line = u"1";
  session.running.set(ConversionWindow::kBatchAddressToCode);
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(), u"1,1008798,,郵便番号が存在しません。\r\n");
}

TEST_F(CodeBatchTest, EmptyItemCountTakesTheFirstLine) {
  write_input(u"1,1000001\r\n");
  fields.item_count = u"";
  fields.start_line = u"1";
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(), u"1,1000001,東京都千代田区千代田,\r\n");
}

TEST_F(CodeBatchTest, RefusesBadFields) {
  write_input(u"1,1000001\r\n2,1000003\r\n");
  const struct {
    CodeBatchFields fields;
    std::u16string_view message;
    Focus focus;
  } cases[] = {
      {{u"", u"2", u"2", u"1", fields.out_file, false},
       u"変換前ファイルの入力に誤りがあります。",
       Focus::kInputFile},
      {{dir / "in.csvx", u"2", u"2", u"1", fields.out_file, false},
       u"変換前ファイルの入力に誤りがあります。",
       Focus::kInputFile},
      {{fields.in_file, u"0", u"1", u"1", fields.out_file, false},
       u"項目数の入力に誤りがあります。",
       Focus::kItemCount},
      {{fields.in_file, u"51", u"1", u"1", fields.out_file, false},
       u"項目数の入力に誤りがあります。",
       Focus::kItemCount},
      {{fields.in_file, u"2", u"3", u"1", fields.out_file, false},
       u"郵便番号位置の入力に誤りがあります。",
       Focus::kCodePosition},
      {{fields.in_file, u"2", u"x", u"1", fields.out_file, false},
       u"郵便番号位置の入力に誤りがあります。",
       Focus::kCodePosition},
      {{fields.in_file, u"2", u"2", u"abc", fields.out_file, false},
       u"開始行位置の入力に誤りがあります。",
       Focus::kStartLine},
      {{fields.in_file, u"2", u"2", u"3", fields.out_file, false},
       u"開始行の位置の入力に誤りがあります。",
       Focus::kStartLine},
      {{fields.in_file, u"2", u"2", u"1", fields.in_file, false},
       u"変換前ファイルと変換後ファイルは同一にできません。",
       Focus::kOutputFile},
      {{fields.in_file, u"2", u"2", u"1", path_text(dir / "." / "in.csv"), false},
       u"変換前ファイルと変換後ファイルは同一にできません。",
       Focus::kOutputFile},
  };
  for (const auto& c : cases) {
    RecordingHost refused_host;
    const CodeBatchOutcome outcome = run_code_batch(c.fields, session, refused_host);
    EXPECT_EQ(outcome.result, BatchResult::Refused) << text::to_utf8(c.message);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.focus, c.focus);
    EXPECT_EQ(refused_host.statuses.back(), c.message);
    EXPECT_TRUE(refused_host.boxes.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
}

TEST_F(CodeBatchTest, RefusesWhenTheUserRejectsTheItemCount) {
  write_input(u"1,1000001,x\r\n");
  RecordingHost no_host(false);
  const CodeBatchOutcome outcome = run_code_batch(fields, session, no_host);
  EXPECT_EQ(outcome.result, BatchResult::Refused);
  EXPECT_EQ(outcome.message, u"項目数の入力に誤りがあります。");
  EXPECT_EQ(no_host.questions.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
}

TEST_F(CodeBatchTest, RefusesAFirstLineOfMoreThanFiftyOneItems) {
  std::u16string line = u"1";
  for (int k = 2; k <= 52; ++k) line += u",1000001";
  write_input(line);
  const CodeBatchOutcome outcome = run();
  EXPECT_EQ(outcome.result, BatchResult::Refused);
  EXPECT_EQ(outcome.message, u"変換前ファイルの項目数は５０を超えています。");
  EXPECT_EQ(outcome.focus, Focus::kInputFile);
}

TEST_F(CodeBatchTest, FailsClearlyWhenTheOutputCannotBeCreated) {
  write_input(u"1,1000001\r\n");
  fields.out_file = path_text(dir / "missing folder" / "out.csv");
  fields.start_line = u"1";
  const CodeBatchOutcome outcome = run();
  EXPECT_EQ(outcome.result, BatchResult::Failed);
  EXPECT_EQ(outcome.message, u"変換後ファイルを作成できません。");
  EXPECT_NE(outcome.error.find("out.csv"), std::string::npos) << outcome.error;
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].rfind(u"警告メッセージ|変換後ファイルを作成できません。", 0), 0u);
}

TEST_F(CodeBatchTest, FailsClearlyWhenTheOutputCannotBeWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  write_input(u"1,1000001\r\n");
  fields.out_file = u"/dev/full";
  fields.start_line = u"1";
  const CodeBatchOutcome outcome = run();
  EXPECT_EQ(outcome.result, BatchResult::Failed);
  EXPECT_EQ(outcome.message, u"変換後ファイルに書き込めません。");
}

TEST_F(CodeBatchTest, FailsClearlyWhenTheInputIsNotShiftJis) {
  std::ofstream(dir / "in.csv", std::ios::binary) << "1,1000001\r\n2,\x81\r\n";
  const CodeBatchOutcome outcome = run();
  EXPECT_EQ(outcome.result, BatchResult::Failed);
  EXPECT_EQ(outcome.message, u"変換前ファイルを読み込めません。");
  EXPECT_NE(outcome.error.find("line 2"), std::string::npos) << outcome.error;
}

TEST(CodeBatchRulesTest, CleansTheCodeItem) {
  // The code window reads its item in half-width form and keeps a number of up
  // to 7 characters; the address window reads it as typed and keeps up to 3.
  const struct {
    std::u16string_view item, code_window, address_window;
  } cases[] = {
      {u"1000001", u"1000001", u"1000001"},
      {u"100-0001", u"1000001", u"1000001"},
      {u"〒１００－０００１", u"1000001", u"1000001"},
      {u"１００", u"100", u"１００"},
      {u"12345678", u"12345678", u"12345678"},
      {u"1e5", u"1e5", u"1e5"},
      {u"abc", u"", u""},
      // Numeric once trimmed: kept with its blanks.
      {u" 100 ", u" 100 ", u" 100 "},
      {u" 1000 ", u" 1000 ", u"1000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(set_kovari_no(text::to_narrow(c.item), 7), c.code_window) << text::to_utf8(c.item);
    EXPECT_EQ(set_kovari_no(c.item, 3), c.address_window) << text::to_utf8(c.item);
  }
}

}  // namespace
}  // namespace kovari::batch
