#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "batch/address_to_code.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::batch {
namespace {

class AddressBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic")));
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir = std::filesystem::path(::testing::TempDir()) /
          ("kovari_address_batch_" + name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    fields.in_file = text::from_utf8((dir / "in.csv").string());
    fields.out_file = text::from_utf8((dir / "out.csv").string());
    fields.item_count = u"3";
    fields.address_pos[0] = u"2";
    fields.code_pos = u"3";
    fields.write_message = false;
  }

  void write_input(std::u16string_view content) {
    std::ofstream(dir / "in.csv", std::ios::binary) << text::encode_sjis(content).value();
  }
  std::u16string output() const {
    std::ifstream in(dir / "out.csv", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text::decode_sjis(bytes).value_or(u"(not Shift-JIS)");
  }
  AddressBatchOutcome run() { return run_address_batch(fields, session, host); }

  kovari::testing::LoadedSession loaded;
  Session& session = loaded.session;
  kovari::testing::RecordingHost host;
  std::filesystem::path dir;
  AddressBatchFields fields;
};

TEST_F(AddressBatchTest, AppendsTheCodeAndKeepsAnExistingSevenDigitCode) {
  write_input(
      u"1,北海道札幌市中央区大通西3丁目,\r\n"
      u"2,東京都千代田区外神田1-1,100-0001\r\n"
      u"3,東京都新宿区西新宿2-2-1新宿三井ビル2階,\r\n");
  const AddressBatchOutcome o = run();
  ASSERT_EQ(o.result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,北海道札幌市中央区大通西3丁目,,0600042\r\n"
            u"2,東京都千代田区外神田1-1,100-0001,100-0001\r\n"
            u"3,東京都新宿区西新宿2-2-1新宿三井ビル2階,,1630402\r\n");
  EXPECT_EQ(o.target_count, 3);
  EXPECT_EQ(o.converted_count, 3);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].substr(0, 22), u"情報メッセージ|一括変換処理が終了しました。");
  EXPECT_EQ(host.progress_captions,
            std::vector<std::u16string>{u"ソラト郵便番号　新〒一括変換処理中!!"});
}

TEST_F(AddressBatchTest, ReplacesTheOldCodeWithHyphenAndMarksCatchAllCodes) {
  fields.replace_code = true;
  fields.hyphen = true;
  fields.write_message = true;
  write_input(
      u"1,東京都千代田区外神田,101\r\n"
      u"2,東京都千代田区永田町,100\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(
      output(),
      u"1,東京都千代田区外神田,101-0021,\r\n"
      u"2,東京都千代田区永田町,100-0000,変換結果に自信がありません。チェックして下さい。\r\n");
}

TEST_F(AddressBatchTest, StartLineSharedAddressItemsAndQuotedItems) {
  fields.start_line = u"2";
  fields.address_pos[1] = u"2";  // 住所２ names the same item: used once
  write_input(
      u"番号,住所,郵便番号\r\n"
      u"\"1,2\",東京都千代田区外神田,\r\n"
      u"\"say \"\"hi\"\"\",北海道余市郡仁木町大江,\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  // Quoted items keep their comma (and lose what followed the closing quote).
  EXPECT_EQ(output(),
            u"\"1,2\",東京都千代田区外神田,,1010021\r\n"
            u"say ,北海道余市郡仁木町大江,,0481601\r\n");
}

TEST_F(AddressBatchTest, LatestAddressInThreeItems) {
  fields.latest_address = true;
  fields.edit_type = 3;
  write_input(u"1,北海道札幌市中央区大通西3丁目5,\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,北海道札幌市中央区大通西3丁目5,,0600042,北海道札幌市中央区,大通西,３丁目５　\r\n");
}

// The town area stands once in the latest address: the code's address line
// less the town area the second item carries (not 北海道札幌市中央区大通西).
TEST_F(AddressBatchTest, LatestAddressNamesTheTownAreaOnce) {
  fields.latest_address = true;
  fields.edit_type = 4;
  write_input(u"1,北海道札幌市中央区大通西3丁目5,\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,北海道札幌市中央区大通西3丁目5,,0600042,北海道札幌市中央区,大通西,３丁目５,　\r\n");
}

// A 丁目 typed in kanji stays in the latest address with the block numbers,
// as one typed in digits does; the town area is the data's.
TEST_F(AddressBatchTest, LatestAddressKeepsAChomeTypedInKanji) {
  fields.latest_address = true;
  fields.edit_type = 4;
  write_input(
      u"1,北海道札幌市中央区大通西三丁目5,\r\n"
      u"2,北海道札幌市中央区大通西十丁目,\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,北海道札幌市中央区大通西三丁目5,,0600042,北海道札幌市中央区,大通西,三丁目５,　\r\n"
            u"2,北海道札幌市中央区大通西十丁目,,0600042,北海道札幌市中央区,大通西,十丁目,　\r\n");
}

// 実行 checks the item count (2 to 50) before the positions that depend on it.
TEST_F(AddressBatchTest, TheItemCountIsCheckedBeforeThePositions) {
  write_input(u"1,北海道札幌市中央区大通西3丁目,\r\n");
  for (const std::u16string_view count : {u"1", u"51", u"", u"x"}) {
    fields.item_count = count;
    const AddressBatchOutcome o = run();
    EXPECT_EQ(o.result, BatchResult::Refused) << text::to_utf8(count);
    EXPECT_EQ(o.message, u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。");
    EXPECT_EQ(o.focus, Focus::kItemCount);
  }
}

TEST_F(AddressBatchTest, UnwritableOutputEndsWithAnErrorAndNoSummary) {
  write_input(u"1,北海道札幌市中央区大通西3丁目,\r\n");
  fields.out_file = text::from_utf8((dir / "missing" / "out.csv").string());
  const AddressBatchOutcome o = run();
  EXPECT_EQ(o.result, BatchResult::Failed);
  EXPECT_EQ(o.message, u"変換後ファイルを作成できません。");
  for (const std::u16string& box : host.boxes)
    EXPECT_EQ(box.find(u"情報メッセージ"), 0u + std::u16string::npos);
}

TEST_F(AddressBatchTest, UnreadableInputEndsWithAnErrorAndTheOutputNeverReplacesTheInput) {
  std::ofstream(dir / "in.csv", std::ios::binary) << "1,\x82\xff\x82,\r\n";  // not Shift-JIS
  const AddressBatchOutcome o = run();
  EXPECT_EQ(o.result, BatchResult::Failed);
  EXPECT_EQ(o.message, u"変換前ファイルを読み込めません。");

  write_input(u"1,北海道札幌市中央区大通西3丁目,\r\n");
  fields.out_file = text::from_utf8((dir / "." / "in.csv").string());
  const AddressBatchOutcome same = run();
  EXPECT_EQ(same.result, BatchResult::Refused);
  EXPECT_EQ(same.message, u"変換前ファイルと変換後ファイルは同一にできません。");
  EXPECT_EQ(output().empty(), true);  // no output file was written
}

TEST_F(AddressBatchTest, RefusesPositionsOutsideTheItems) {
  write_input(u"1,北海道札幌市中央区大通西3丁目,\r\n");
  fields.address_pos[0] = u"4";
  EXPECT_EQ(run().message, u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。");
  fields.address_pos[0] = u"3";  // the postal-code position
  EXPECT_EQ(run().focus, Focus::kAddress1Position);
  fields.address_pos[0] = u"2";
  fields.code_pos = u"0";
  fields.replace_code = true;
  EXPECT_EQ(run().message, u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。");
}

TEST_F(AddressBatchTest, TheOldCodeCompletesTheMissingLevelsWhenAsked) {
  write_input(u"1,大江,048\r\n");
  fields.write_message = true;
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,大江,048,,都道府県名、区市郡島名、区町村名のすべてを省略できません。\r\n");
  fields.use_old_code = true;
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(), u"1,大江,048,0481601,\r\n");
}

TEST_F(AddressBatchTest, LinesOfOtherLengthsAreConvertedLineByLine) {
  write_input(
      u"1,北海道札幌市中央区大通西3丁目,\r\n"
      u"2,東京都千代田区外神田,,extra\r\n");
  const AddressBatchOutcome o = run();
  ASSERT_EQ(o.result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,北海道札幌市中央区大通西3丁目,,0600042\r\n"
            u"2,東京都千代田区外神田,,1010021\r\n");
}

TEST_F(AddressBatchTest, AWrongItemCountStopsWhenTheUserSaysNo) {
  kovari::testing::RecordingHost no(false);
  write_input(u"1,北海道札幌市中央区大通西3丁目,,x\r\n");
  const AddressBatchOutcome o = run_address_batch(fields, session, no);
  EXPECT_EQ(o.result, BatchResult::Refused);
  EXPECT_EQ(o.message, u"項目数の入力に誤りがあります。");
  ASSERT_EQ(no.questions.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
}

TEST_F(AddressBatchTest, FourLatestAddressItemsFollowTheCodeAndTheMessage) {
  fields.latest_address = true;
  fields.edit_type = 4;
  fields.write_message = true;
  write_input(
      u"1,東京都千代田区外神田3-1,\r\n"
      u"2,東京都千代田区永田町,\r\n");
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output(),
            u"1,東京都千代田区外神田3-1,,1010021,,東京都千代田区,外神田,３－１,　\r\n"
            u"2,東京都千代田区永田町,,1000000,変換結果に自信がありません。チェックして下さい。,"
            u"　,　,　,　\r\n");
  // Without the message item a code ending in 00 still gets its latest address.
  fields.write_message = false;
  ASSERT_EQ(run().result, BatchResult::Finished);
  EXPECT_EQ(output().substr(output().find(u"\r\n2,")),
            u"\r\n2,東京都千代田区永田町,,1000000,東京都千代田区,永田町,　,　\r\n");
}

}  // namespace
}  // namespace kovari::batch
