#include "postaldb/startup.h"

#include <gtest/gtest.h>

#include "postaldb/load_test.h"

namespace kovari::postaldb {
namespace {

using kovari::testing::RecordingHost;
using testing::FixtureData;

class StartupTest : public testing::LoadTest {};

TEST_F(StartupTest, LoadsTheDirectoriesAndTables) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  const Directory& dir = db_.dir;
  EXPECT_EQ(dir.pref_count, 3);
  EXPECT_EQ(dir.city_count, 6);
  EXPECT_EQ(dir.bill_count, 2);
  EXPECT_EQ(dir.town_end1, 64);
  EXPECT_EQ(dir.city_pos2_count, 3);
  EXPECT_EQ(dir.word_count, 2);
  EXPECT_EQ(dir.chr_file_count, 2);
  EXPECT_EQ(dir.ward_pair_count, 2);
  EXPECT_EQ(db_.data4_present, 0);

  const PostalTables& t = db_.tables;
  EXPECT_EQ(t.pref_name[1], u"北海道     ");
  EXPECT_EQ(t.pref_first_city[3], 5);
  EXPECT_EQ(t.city_name1[5], u"広島市");
  EXPECT_EQ(t.city_name2[5], u"中区");
  EXPECT_EQ(t.city_pos1[6], 40);
  EXPECT_EQ(t.city_kind[3], 2);
  EXPECT_EQ(t.tokyo_ward[1], u"足立区");
  EXPECT_EQ(t.tokyo_ward[23], u"北区");
  EXPECT_EQ(t.bill_code[1], u"1706090");
  EXPECT_EQ(t.bill_floors[1], 60);
  EXPECT_EQ(t.bill_name1[1], u"ｻﾝｼｬｲﾝ60");  // narrow form
  EXPECT_EQ(t.bill_name2[1], u"ﾋﾞﾙ");
  EXPECT_EQ(t.bill_pref[26], u"静岡県");
  EXPECT_EQ(t.bill_city[26], u"浜松市");
  EXPECT_EQ(t.bill_city[37], u"港区");
  EXPECT_EQ(t.bill_keyword[11], u"会館");
  EXPECT_EQ(t.bill_keyword[1], u"ﾋﾞﾙ");
  EXPECT_EQ(t.bill_keyword_count, 11);
  EXPECT_EQ(t.word[2], u"有限会社");
  EXPECT_EQ(t.word_count2, 2);
  EXPECT_EQ(t.small_kana_count, 10);
  EXPECT_EQ(t.small_kana[6].first, u"ヶ");
  EXPECT_EQ(t.small_kana[6].second, u"ケ");
  EXPECT_EQ(t.ward_pair1[2], u"広島市");
  EXPECT_EQ(t.ward_pair2[2], u"中区");
  ASSERT_EQ(t.dup_ward.size(), 13u);
  EXPECT_EQ(t.dup_ward[0], u"12");
  EXPECT_EQ(t.dup_ward[1], u"旭区");
  EXPECT_EQ(t.chr_from[1], u"ヶ");
  EXPECT_EQ(t.chr_to[2], u"の");
  EXPECT_EQ(t.ji_word_count, 7);
  EXPECT_EQ(t.kanji_num_count, 100);
}

TEST_F(StartupTest, StarredPrefectureNameIsCutAndPadded) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  EXPECT_EQ(db_.tables.pref_name[2], u"東京都     ");
}

TEST_F(StartupTest, LongPrefectureNameIsCutToEightCharacters) {
  FixtureData data = testing::sample_data();
  data.prefectures[0].first = u"一二三四五六七八九";
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.tables.pref_name[1], u"一二三四五六七八");
}

TEST_F(StartupTest, CityGroupsCollectTheRowsOfEachCity) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  const auto& group = db_.tables.city_group;
  EXPECT_EQ(group[1], (std::array<int, 3>{2, 1, 2}));   // 札幌市, rows 1..2
  EXPECT_EQ(group[10], (std::array<int, 3>{1, 5, 5}));  // 広島市
  EXPECT_EQ(group[kMinatoGroup], (std::array<int, 3>{1, 3, 3}));
  EXPECT_EQ(group[2], (std::array<int, 3>{0, 0, 0}));
}

TEST_F(StartupTest, TwoFuchuRowsKeepOnlyTheLaterOne) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  EXPECT_EQ(db_.tables.city_group[kFuchuGroup], (std::array<int, 3>{0, 6, 0}));
}

TEST_F(StartupTest, CityWithoutDetailRecordsTakesTheNextCitysPosition) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  const std::vector<std::int32_t>& pos2 = db_.tables.city_pos2;
  const std::int32_t kExpected[] = {0, 0, 10, 10, 20, 20, 64};  // city 6: town_end2
  ASSERT_EQ(pos2.size(), std::size(kExpected));
  for (std::size_t c = 0; c < pos2.size(); ++c) EXPECT_EQ(pos2[c], kExpected[c]) << c;
}

TEST_F(StartupTest, DetailFileSwitchedOffSkipsItsTablesAndTheThirdFile) {
  ASSERT_TRUE(load(testing::sample_data(), "[Control]\r\nctl_flg(6)=0\r\n").ok());
  EXPECT_EQ(settings_.ctl_flg[6], 0);
  EXPECT_EQ(db_.dir.ward_pair_count, 0);
  EXPECT_EQ(db_.dir.blk3, (std::array<std::int32_t, 51>{}));
  EXPECT_EQ(db_.tables.word_count2, 0);
  EXPECT_EQ(db_.tables.small_kana_count, 0);
  EXPECT_TRUE(db_.tables.dup_ward.empty());
  for (std::int32_t position : db_.tables.city_pos2) EXPECT_EQ(position, 0);
  EXPECT_EQ(db_.dir.city_pos2_count, 3);  // the detail directory is still read
}

TEST_F(StartupTest, FourthFileSetsDataPresence) {
  FixtureData data = testing::sample_data();
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.data4_present, 0);
  EXPECT_EQ(db_.dir.blk4, (std::array<std::int32_t, 51>{}));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "kovari4tbl.dat"));

  data.write_fourth = true;
  data.tbl4_count = 3;
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.data4_present, 1);
  EXPECT_EQ(db_.dir.tbl4_count, 3);
}

TEST_F(StartupTest, WithoutDetailAndThirdFilesTheirTablesStayEmpty) {
  FixtureData data = testing::sample_data();
  data.write_detail = false;
  data.write_third = false;
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.dir.chr_file_count, 0);
  EXPECT_EQ(db_.dir.blk2, (std::array<std::int32_t, 51>{}));
  EXPECT_EQ(db_.tables.word_count2, 0);
  EXPECT_EQ(db_.tables.city_name1[1], u"札幌市");
}

TEST_F(StartupTest, SettingsDefaultsHoldWithoutSettingsFile) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  for (int flag = 1; flag <= 16; ++flag) {
    const bool on = flag == 6 || flag >= 11;
    EXPECT_EQ(settings_.ctl_flg[flag], on ? 1 : 0) << flag;
  }
}

TEST_F(StartupTest, ProgressMovesOnlyAtEveryFiftiethRecord) {
  const struct {
    int prefectures, cities;
    std::vector<long> expected;
  } kCases[] = {
      // Prefectures count without moving the bar (a load needs one prefecture and one city).
      {1, 48, {}}, {1, 49, {50}}, {47, 3, {50}}, {50, 1, {}}, {1, 119, {50, 100}},
  };
  for (const auto& c : kCases) {
    FixtureData data;
    data.write_detail = false;
    data.write_third = false;
    for (int p = 0; p < c.prefectures; ++p) data.prefectures.push_back({u"県", 1});
    for (int i = 0; i < c.cities; ++i) data.cities.push_back({u"市", u"", 0, 1});
    host_ = RecordingHost();
    ASSERT_TRUE(load(data).ok());
    EXPECT_EQ(host_.progress_values, c.expected) << c.prefectures << "+" << c.cities;
    EXPECT_EQ(host_.events, static_cast<int>(c.expected.size()));
    const std::vector<std::pair<long, long>> range = {{0, c.prefectures + c.cities}};
    EXPECT_EQ(host_.progress_ranges, range);
  }
}

TEST_F(StartupTest, ProgressRangeAddsUpAllCountedTables) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  ASSERT_EQ(host_.progress_ranges.size(), 1u);
  EXPECT_EQ(host_.progress_ranges[0].second, 6 + 3 + 2 + 3 + 2 + 2);
}

}  // namespace
}  // namespace kovari::postaldb
