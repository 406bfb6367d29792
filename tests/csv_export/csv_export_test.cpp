// The export of CsvExportWindow's "変換" over the basic fixture.
#include "csv_export/csv_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::csv_export {
namespace {

using kovari::testing::file_bytes;

using kovari::testing::RecordingHost;

class CsvExportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }
  const postaldb::PostalDb& db() const { return loaded.session.db; }
  // The area of a prefecture, a city of it, or a ward/town of that city.
  ExportArea area(std::u16string_view pref, std::u16string city = {},
                  std::u16string town = {}) const {
    return {find_prefecture(db(), pref), std::move(city), std::move(town), 0};
  }

  ExportOutcome run(const ExportArea& area, ExportTables tables = {},
                    RecordingHost* asked = nullptr) {
    return export_csv(db(), loaded.session.settings, asked ? *asked : host, {area, path, tables});
  }
  // The codes of the written file, in order.
  std::vector<std::string> codes() const {
    std::vector<std::string> codes;
    const std::string bytes = file_bytes(path);
    for (std::size_t at = bytes.find("\r\n") + 2; at < bytes.size();
         at = bytes.find("\r\n", at) + 2) {
      codes.push_back(bytes.substr(at + 1, 7));
    }
    return codes;
  }

  kovari::testing::LoadedSession loaded;
  RecordingHost host;
  kovari::testing::TempFolder folder;
  std::filesystem::path path = folder.path() / "out.csv";
};

TEST_F(CsvExportTest, EachLevelWritesItsRecords) {
  using Codes = std::vector<std::string>;
  const struct {
    ExportArea area;
    Codes codes;
  } cases[] = {
      {area(u"北海道", u"札幌市", u"北区"), {"0010000", "0010010"}},
      {area(u"北海道", u"札幌市"),
       {"0600000", "0640941", "0600042", "0640820", "0600001", "0010000", "0010010"}},
      {area(u"北海道", u"余市郡", u"仁木町"), {"0481600", "0481601", "0481603", "0481602"}},
      // The last row of the table: up to the end of both files.
      {area(u"東京都", u"御蔵島"), {"1006301"}},
  };
  for (const auto& c : cases) {
    const ExportOutcome outcome = run(c.area);
    EXPECT_EQ(outcome.result, ExportResult::kWritten) << text::to_utf8(c.area.city + c.area.town);
    EXPECT_EQ(codes(), c.codes) << text::to_utf8(c.area.city + c.area.town);
    EXPECT_EQ(outcome.count, static_cast<long>(c.codes.size()));
  }
  run(area(u"東京都"), {true, true});
  EXPECT_EQ(codes().size(), 4u + 15u);
}

TEST_F(CsvExportTest, TheFileIsShiftJisWithTheOfficesFirst) {
  run(area(u"東京都", u"千代田区"), {true, true});
  const std::string bytes = file_bytes(path);
  const std::u16string expected_start =
      u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\",\"私書箱\",\"大口事業所名等\"\r\n"
      u"\"1008691\",\"東京都  \",\"千代田区   "
      u"\",\"丸の内２丁目７－２\",\"東京中央郵便局私書箱第１号\","
      u"\"テスト商事　株式会社\"\r\n"
      u"\"1008692\",\"東京都  \",\"千代田区   "
      u"\",\"丸の内１丁目１－１\",\"\",\"ＡＢＣトレーディング\"\r\n"
      u"\"1000000\",\"東京都  \",\"千代田区   \",\"以下に掲載がない場合\",\" \",\" \"\r\n";
  EXPECT_EQ(bytes.substr(0, text::encode_sjis(expected_start)->size()),
            text::encode_sjis(expected_start).value());
  EXPECT_EQ(host.boxes,
            std::vector<std::u16string>{
                u"情報メッセージ|ＣＳＶファイル出力完了。\r\n出力件数は 6 件です。\r\n"});
}

TEST_F(CsvExportTest, MissingInputWritesNothing) {
  EXPECT_EQ(run(ExportArea()).focus, ExportField::kPickList);
  const ExportOutcome nothing = run(area(u"北海道"), {false, false});
  EXPECT_EQ(nothing.focus, ExportField::kTownsCheck);
  EXPECT_EQ(nothing.message, u"出力条件を省略できません。");
  EXPECT_EQ(export_csv(db(), loaded.session.settings, host, {area(u"北海道"), {}, {}}).focus,
            ExportField::kPickList);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CsvExportTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  std::ofstream(path, std::ios::binary) << "keep me";
  RecordingHost declining(false);
  const ExportOutcome kept = run(area(u"北海道"), {}, &declining);
  EXPECT_EQ(kept.result, ExportResult::kRefused);
  EXPECT_EQ(kept.focus, ExportField::kFileName);
  EXPECT_EQ(declining.questions,
            std::vector<std::u16string>{
                u"注意メッセージ|" + text::from_utf8(path.string()) +
                u"\r\n既にファイルが存在します。\r\n上書きしても構いませんか。\r\n"});
  EXPECT_EQ(file_bytes(path), "keep me");

  EXPECT_EQ(run(area(u"北海道")).result, ExportResult::kWritten);
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(codes().size(), 11u);
  // An empty file is replaced without asking.
  std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
  run(area(u"北海道"));
  EXPECT_EQ(host.questions.size(), 1u);
}

TEST_F(CsvExportTest, AFileThatCannotBeWrittenIsReportedNotCompleted) {
  path = folder.path() / "missing" / "out.csv";
  const ExportOutcome outcome = run(area(u"北海道"));
  EXPECT_EQ(outcome.result, ExportResult::kFailed);
  EXPECT_EQ(outcome.focus, ExportField::kFileName);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.boxes[0].starts_with(u"警告メッセージ|" + text::from_utf8(path.string()) +
                                        u"\r\nＣＳＶファイルを出力できませんでした。"));
}

TEST_F(CsvExportTest, NoRecordsLeaveTheCountEmpty) {
  run(area(u"東京都", u"御蔵島"), {false, true});
  EXPECT_EQ(host.boxes.back(),
            u"情報メッセージ|ＣＳＶファイル出力完了。\r\n出力件数は  件です。\r\n");
}

TEST_F(CsvExportTest, ATypedNameIsAFullPathOrAFileOfTheFolder) {
  EXPECT_EQ(export_path(u" /tmp/a.csv ", "/home/u"), std::filesystem::path("/tmp/a.csv"));
  EXPECT_EQ(export_path(u"札幌.csv", "/home/u"), std::filesystem::path("/home/u/札幌.csv"));
  EXPECT_EQ(export_path(u"  ", "/home/u"), std::filesystem::path());
}

// The data files and the settings file of the running program are never an
// export's output, whatever the user answers.
TEST(CsvExportProgramFilesTest, AProgramFileIsNeverReplaced) {
  kovari::testing::TempFolder data;
  kovari::testing::copy_fixture("basic", data.path());
  kovari::testing::LoadedSession loaded;
  ASSERT_TRUE(loaded.load(data.path()));
  RecordingHost host;
  const ExportArea tokyo{find_prefecture(loaded.session.db, u"東京都"), {}, {}, 0};
  for (const char* name : {"kovaritbl.dat", "kovari2tbl.dat", "kovaritbl.ini"}) {
    const std::filesystem::path path = data.path() / name;
    const std::string before = file_bytes(path);
    const ExportOutcome outcome = export_csv(loaded.session, host, {tokyo, path, {}});
    EXPECT_EQ(outcome.result, ExportResult::kFailed) << name;
    EXPECT_EQ(outcome.focus, ExportField::kFileName) << name;
    EXPECT_EQ(file_bytes(path), before) << name;
  }
  EXPECT_EQ(host.boxes.size(), 3u);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(export_csv(loaded.session, host, {tokyo, data.path() / "tokyo.csv", {}}).result,
            ExportResult::kWritten);
}

}  // namespace
}  // namespace kovari::csv_export
