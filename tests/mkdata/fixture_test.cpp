// The "basic" fixture, built by kovari-mkdata from tests/fixtures/basic, read
// back through the engine's start-up load and record readers.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "consistency.h"
#include "postaldb/startup.h"
#include "read_back.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::mkdata::testing {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(KOVARI_FIXTURE_ROOT) / "basic";

class BasicFixtureTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(load(kFixture, db_), ""); }

  // The record of `code` in the main file (its first when it has several).
  TownRecord town_of(const std::string& code) {
    const auto index = read_code_index(db_.main_file, db_.dir.blk1[3], db_.dir.code_count);
    const auto offsets = look_up(index, code);
    return offsets.empty() ? TownRecord{} : read_town_record(db_.main_file, offsets.front());
  }

  DetailRecord detail_of(const std::string& code) {
    const auto index = read_code_index(db_.detail_file, db_.dir.blk2[3], db_.dir.code2_count);
    const auto offsets = look_up(index, code);
    return offsets.empty() ? DetailRecord{} : read_detail_record(db_.detail_file, offsets.front());
  }

  postaldb::PostalDb db_;
};

TEST_F(BasicFixtureTest, PrefecturesAndCitiesAsTheLoaderExpects) {
  ASSERT_EQ(db_.dir.pref_count, 2);
  EXPECT_EQ(db_.tables.pref_name[1], u"北海道     ");
  EXPECT_EQ(db_.tables.pref_name[2], u"東京都     ");
  EXPECT_EQ(db_.tables.pref_first_city[1], 1);
  EXPECT_EQ(db_.tables.pref_first_city[2], 4);
  const struct {
    std::u16string_view name1, name2;
    int kind;
  } cities[] = {
      {u"札幌市", u"中央区", 0}, {u"札幌市", u"北区", 0}, {u"余市郡", u"仁木町", 0},
      {u"千代田区", u"", 0},     {u"新宿区", u"", 0},     {u"大島", u"町", 0},
      {u"三宅島", u"三宅村", 0}, {u"御蔵島", u"村", 1},
  };
  ASSERT_EQ(db_.dir.city_count, static_cast<int>(std::size(cities)));
  for (int c = 1; c <= db_.dir.city_count; ++c) {
    EXPECT_EQ(db_.tables.city_name1[c], cities[c - 1].name1) << c;
    EXPECT_EQ(db_.tables.city_name2[c], cities[c - 1].name2) << c;
    EXPECT_EQ(db_.tables.city_kind[c], cities[c - 1].kind) << c;
  }
  EXPECT_EQ(db_.tables.city_group[1][0], 2);  // 札幌市: two ward rows
}

TEST_F(BasicFixtureTest, RecordsWalkAndEveryCodeIsFound) {
  const SourceRows rows = read_sources(kFixture / "csv");
  ASSERT_EQ(rows.towns.size(), 26u);
  EXPECT_EQ(db_.dir.code_count, 26);
  expect_town_walks(db_);
  expect_indexes_sorted(db_);
  expect_every_town_code_found(db_, rows.towns);
  expect_every_detail_code_found(db_, rows.offices);
}

TEST_F(BasicFixtureTest, SplitNameJoinedWithItsAnnotationPositions) {
  const TownRecord record = town_of("0640820");
  const std::u16string name = u"大通西（２０～２８丁目、宮の森一条１～５丁目、円山西町）";
  EXPECT_EQ(record.name, u"オ" + name);
  EXPECT_EQ(record.attributes % 32, 4);
  EXPECT_EQ(record.attributes / 32 % 512, static_cast<int>(name.size()));
  EXPECT_EQ(record.attributes / 16384 % 8, 0);
}

TEST_F(BasicFixtureTest, CatchAllAndPlainRecords) {
  EXPECT_EQ(town_of("1000000").name, u"イ以下に掲載がない場合");
  EXPECT_EQ(town_of("1000001").name, u"チ千代田");
  EXPECT_EQ(town_of("1000001").attributes, 0);
  EXPECT_EQ(town_of("0481603").name, u"カ元気町");  // ｶﾞﾝｹﾞﾝﾁｮｳ: voiced mark dropped
}

TEST_F(BasicFixtureTest, BuildingRowsInTheirFixedPlaces) {
  ASSERT_EQ(db_.dir.bill_count, 43);
  const auto& t = db_.tables;
  EXPECT_EQ(t.bill_code[8], u"1630400");  // rows 8-19: 新宿区
  EXPECT_EQ(t.bill_floors[8], 55);
  EXPECT_EQ(t.bill_name1[8], text::to_narrow(u"新宿三井ビル"));
  EXPECT_EQ(t.bill_name2[8], t.bill_name1[8]);
  for (int row = 1; row <= 43; ++row) {
    if (row == 8) continue;
    EXPECT_NE(text::Trim(t.bill_name1[row]).find(u' '), std::u16string::npos) << row;
    EXPECT_NE(text::Trim(t.bill_name2[row]).find(u' '), std::u16string::npos) << row;
  }
}

TEST_F(BasicFixtureTest, PostOfficeBoxBrackets) {
  const DetailRecord box = detail_of("1008691");
  const int low = box.attributes % 16, y = box.attributes / 16;
  ASSERT_EQ(low / 8, 1);
  const int open = y % 50, close = y % 2500 / 50;
  EXPECT_EQ(text::Left(box.street, open - 1), u"２丁目７－２");
  EXPECT_EQ(text::Mid(box.street, open + 1, close - open - 1), u"東京中央郵便局私書箱第１号");
  EXPECT_EQ(detail_of("0608711").attributes, 0);
  EXPECT_EQ(detail_of("1008692").office, u"ＡＢＣトレーディング");
}

TEST_F(BasicFixtureTest, OfficeNameTablesListTheRecordsOfEachName) {
  ASSERT_EQ(db_.dir.office_count, 5);
  postaldb::Cursor names = db_.detail_file.at(db_.dir.blk2[6] * 1024 + 1);
  std::int32_t entry = 0;
  std::map<std::u16string, std::vector<std::string>> codes;
  for (int k = 0; k < db_.dir.office_count; ++k) {
    const std::u16string name = names.read_variant_string();
    const int n = names.read_integer();
    postaldb::Cursor offsets = db_.detail_file.at(db_.dir.blk2[7] * 1024 + 4 * entry + 1);
    for (int i = 0; i < n; ++i) {
      codes[name].push_back(read_detail_record(db_.detail_file, offsets.read_long()).code);
    }
    entry += n;
  }
  ASSERT_FALSE(names.failed());
  EXPECT_EQ(codes[u"ジエイアールテイー"], (std::vector<std::string>{"1638001", "1638002"}));
  EXPECT_EQ(codes[u"テスト商事"], (std::vector<std::string>{"1008691"}));
  EXPECT_EQ(codes[u"北海道新聞社"], (std::vector<std::string>{"0608711"}));
  EXPECT_EQ(codes[u"ＡＢＣトレーデイング"], (std::vector<std::string>{"1008692"}));
  EXPECT_EQ(codes[u"札幌市役所"], (std::vector<std::string>{"0608611"}));
}

TEST_F(BasicFixtureTest, WordsPairsAndWardPairs) {
  EXPECT_EQ(db_.tables.word_count2, db_.dir.word_count);
  EXPECT_EQ(db_.tables.word[1], u"特定非営利活動法人");
  EXPECT_EQ(db_.dir.chr_file_count, 10);
  const std::vector<std::pair<std::u16string, std::u16string>> expected = {{u"東京都", u"千代田区"},
                                                                           {u"東京都", u"新宿区"},
                                                                           {u"札幌市", u"中央区"},
                                                                           {u"札幌市", u"北区"}};
  ASSERT_EQ(db_.dir.ward_pair_count, static_cast<int>(expected.size()));
  for (int i = 1; i <= db_.dir.ward_pair_count; ++i) {
    EXPECT_EQ(db_.tables.ward_pair1[i], expected[i - 1].first);
    EXPECT_EQ(db_.tables.ward_pair2[i], expected[i - 1].second);
  }
}

TEST_F(BasicFixtureTest, OldCodesKeepTheLevelsTheyShare) {
  std::map<std::string, std::u16string> texts;
  postaldb::Cursor table = db_.third_file.at(db_.dir.blk3[1] * 1024 + 1);
  for (int i = 0; i < db_.dir.old_code_count; ++i) {
    const std::string key = table.read_bytes(5);
    const std::int32_t position = table.read_long();
    EXPECT_EQ(table.read_integer(), 1);
    texts[key] = db_.third_file.at(position + 1).read_variant_string();
  }
  EXPECT_EQ(texts["06000"], u"北海道／札幌市／中央区");
  EXPECT_EQ(texts["00100"], u"北海道／札幌市／北区");
  EXPECT_EQ(texts["04800"], u"北海道／余市郡／仁木町");
  EXPECT_EQ(texts["16300"], u"東京都／新宿区／");
  EXPECT_EQ(texts["10000"], u"東京都／／");  // 千代田区, 大島町, 三宅村, 御蔵島村
}

TEST_F(BasicFixtureTest, TownNameIndexSortedByCutKeysOneEntryPerRecord) {
  ASSERT_EQ(db_.dir.tbl4_count, db_.dir.code_count);
  postaldb::Cursor cursor = db_.fourth_file.at(db_.dir.blk4[3] * 1024 + 1);
  std::u16string previous;
  std::set<std::int32_t> offsets;
  std::map<std::u16string, int> keys;
  for (int i = 0; i < db_.dir.tbl4_count; ++i) {
    const std::string bytes = cursor.read_bytes(16);
    const std::u16string key = text::decode_sjis(bytes).value_or(u"?");
    const std::u16string cut = key.substr(0, std::min(key.size(), key.find(u'＊')));
    EXPECT_LE(previous, cut);
    const std::int32_t offset = cursor.read_long();
    const int ordinal = cursor.read_integer();
    EXPECT_EQ(ordinal, ++keys[cut]);
    EXPECT_TRUE(read_town_record(db_.main_file, offset).name.substr(1).starts_with(cut));
    offsets.insert(offset);
    previous = cut;
  }
  EXPECT_EQ(static_cast<int>(offsets.size()), db_.dir.tbl4_count);
  EXPECT_EQ(keys[u"以下に掲載がない"], 8);
  EXPECT_EQ(keys[u"大通西"], 2);
  EXPECT_EQ(keys[u"西新宿新宿三井ビ"], 4);
}

}  // namespace
}  // namespace kovari::mkdata::testing
