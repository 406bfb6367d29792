#include "office_search/office_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "paths/version.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::office_search {
namespace {

class OfficeIndexTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }
  const postaldb::PostalDb& db() const { return loaded.session.db; }

  void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string sjis(std::u16string_view text) { return text::encode_sjis(text).value(); }

  kovari::testing::LoadedSession loaded;
  kovari::testing::RecordingHost host;
  kovari::testing::TempFolder folder;
  std::filesystem::path path = folder.path() / "ooguchi_index.csv";
};

TEST_F(OfficeIndexTest, TheNameTableInTableOrderWithTheirEntries) {
  const std::optional<OfficeIndex> index = read_name_table(db(), host);
  ASSERT_TRUE(index);
  ASSERT_EQ(index->names.size(), 5u);
  const struct {
    std::u16string_view name;
    int n;
    std::int64_t first_entry;
  } expected[] = {
      // Full-width letters sort after kana and kanji.
      {u"ジエイアールテイー", 2, 0}, {u"テスト商事", 1, 2},           {u"北海道新聞社", 1, 3},
      {u"札幌市役所", 1, 4},         {u"ＡＢＣトレーデイング", 1, 5},
  };
  for (std::size_t k = 0; k < index->names.size(); ++k) {
    EXPECT_EQ(index->names[k].name, expected[k].name);
    EXPECT_EQ(index->names[k].n, expected[k].n);
    EXPECT_EQ(index->names[k].first_entry, expected[k].first_entry);
  }
  EXPECT_EQ(host.progress_ranges, (std::vector<std::pair<long, long>>{{0, 5}}));
}

TEST_F(OfficeIndexTest, TheFileNamesVersionAndDataAndReadsBack) {
  const OfficeIndex index = read_name_table(db(), host).value();
  write(index_file_content(index).value());
  const std::u16string stamp =
      db().dir.data_date + u" 5 " + text::from_utf8(std::to_string(db().detail_file.length()));
  EXPECT_EQ(index.stamp, stamp);
  const std::string expected_start =
      sjis(u"\"" + text::from_utf8(paths::kProgramVersion) +
           u"\",\"大口事業所名検索インデックスファイルです。変更を行わないこと。\",\"" + stamp +
           u"\"\r\n\"ジエイアールテイー\",2\r\n\"テスト商事\",1\r\n");
  EXPECT_EQ(index_file_content(index)->substr(0, expected_start.size()), expected_start);

  const std::optional<OfficeIndex> read = read_index_file(path, db());
  ASSERT_TRUE(read);
  ASSERT_EQ(read->names.size(), index.names.size());
  for (std::size_t k = 0; k < index.names.size(); ++k) {
    EXPECT_EQ(read->names[k].name, index.names[k].name);
    EXPECT_EQ(read->names[k].n, index.names[k].n);
    EXPECT_EQ(read->names[k].first_entry, index.names[k].first_entry);
  }
}

TEST_F(OfficeIndexTest, AnyOtherFileIsNoIndex) {
  const std::string good = index_file_content(read_name_table(db(), host).value()).value();
  const std::size_t first_line_end = good.find("\r\n") + 2;
  const std::string body = good.substr(first_line_end);
  OfficeIndex other = read_name_table(db(), host).value();
  other.stamp = u"2001/06/01 5 " + text::from_utf8(std::to_string(db().detail_file.length()));
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"other data", index_file_content(other).value()},
      {"other version", sjis(u"\"1.22a\",\"x\",\"y\"\r\n") + body},
      {"a line missing", good.substr(0, good.rfind("\r\n", good.size() - 3) + 2)},
      {"a line too many", good + sjis(u"\"余分\",1\r\n")},
      {"no last line end", good.substr(0, good.size() - 2)},
      {"a count that is no number", good.substr(0, good.size() - 3) + "x\r\n"},
      {"a name without quotes",
       good.substr(0, first_line_end) + "ABC,1\r\n" + body.substr(body.find("\r\n") + 2)},
      {"not Shift-JIS", good.substr(0, good.size() - 4) + "\x81\r\n"},
  };
  for (const auto& c : cases) {
    write(c.bytes);
    EXPECT_FALSE(read_index_file(path, db())) << c.what;
  }
  std::filesystem::remove(path);
  EXPECT_FALSE(read_index_file(path, db()));
}

}  // namespace
}  // namespace kovari::office_search
