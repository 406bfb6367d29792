#include "result_list/list_builders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "result_list/list_image.h"
#include "support/recording_host.h"

namespace kovari::result_list {
namespace {

std::vector<std::u16string> texts(const ResultList& list) {
  std::vector<std::u16string> texts;
  for (const ResultRow& row : list.rows) texts.push_back(row.text);
  return texts;
}

class ListBuildersTest : public ::testing::Test {
 protected:
  void open() { image.open(db, ::testing::UnitTest::GetInstance()->current_test_info()->name()); }

  testing::ListImage image;
  postaldb::PostalDb db;
  settings::Settings settings;
  kovari::testing::RecordingHost host;
};

TEST_F(ListBuildersTest, MunicipalityListsOfficesSeparatorThenTownAreasUnderTheirInitials) {
  image.office("1008692", u"テスト商事　株式会社", u"１丁目３－１（東京中央郵便局私書箱第２号）", 7,
               21);
  image.office("1008799", u"甲社", u"１－１");
  image.town("1000000", u"イ以下に掲載がない場合");
  image.town("1000004", u"オ大手町（次のビルを除く）");
  image.town("1000006", u"ユ有楽町");
  image.town("1000007", u"ユ有楽町二");
  image.town("1000008", u"ユ有楽町三", 6);
  image.town("1000001", u"チ千代田");
  open();
  ResultList list = set_list2(db, image.chiyoda_range(), settings);
  EXPECT_EQ(texts(list), (std::vector<std::u16string>{
                             u"1008692\t\tテスト商事　株式会社",
                             u"1008799\t\t甲社",
                             u"------------------------------------------------------------",
                             u"1000000\t\t東京都千代田区以下に掲載がない場合",
                             u"1000004\t【 オ】\t東京都千代田区大手町（次のビルを除く）",
                             u"1000006\t【 ユ】\t東京都千代田区有楽町",
                             u"1000007\t\t東京都千代田区有楽町二",
                             u"1000001\t【 チ】\t東京都千代田区千代田",
                         }));
  EXPECT_EQ(list.mode, ListMode::Municipality);
  EXPECT_EQ(list.below_row, 4);
  EXPECT_EQ(list.count, 8);  // the separator counts as a row
  EXPECT_FALSE(list.over_limit);
  settings.set_flag(settings::Flag::kHyphen, 1);
  list = set_list2(db, image.chiyoda_range(), settings);
  EXPECT_EQ(list.rows[1].text, u"100-8799\t\t甲社");
  EXPECT_EQ(list.rows[4].text, u"100-0004\t【 オ】\t東京都千代田区大手町（次のビルを除く）");
  const ResultRow& office = list.rows[0];
  EXPECT_EQ(office.kind, RowKind::Detail);
  EXPECT_EQ(office.code, u"1008692");
  EXPECT_EQ(office.index, kNoIndex);
  EXPECT_EQ(office.address, u"東京都千代田区大手町１丁目３－１");
  EXPECT_EQ(office.pobox, u"東京中央郵便局私書箱第２号");
  EXPECT_EQ(office.office, u"テスト商事　株式会社");
  EXPECT_EQ(list.rows[2].kind, RowKind::Separator);
  EXPECT_EQ(list.rows[2].code, u"");
  EXPECT_EQ(list.rows[2].index, kNoIndex);
  EXPECT_EQ(list.rows[3].index, u"");
  EXPECT_EQ(list.rows[4].index, u"オ");
  EXPECT_EQ(list.rows[4].kind, RowKind::TownArea);
}

TEST_F(ListBuildersTest, MunicipalityWithoutOfficesHasNoSeparator) {
  image.town("1000001", u"チ千代田");
  image.town("1000002", u"コ皇居外苑");
  open();
  const ResultList list = set_list2(db, image.chiyoda_range(), settings);
  EXPECT_EQ(texts(list),
            (std::vector<std::u16string>{u"1000001\t【 チ】\t東京都千代田区千代田",
                                         u"1000002\t【 コ】\t東京都千代田区皇居外苑"}));
  EXPECT_EQ(list.below_row, 0);
}

TEST_F(ListBuildersTest, EveryListStopsAtAThousandRows) {
  for (int i = 0; i < 1001; ++i) image.town("1000001", u"チ千代田");
  open();
  const ResultList municipality = set_list2(db, image.chiyoda_range(), settings);
  EXPECT_EQ(municipality.rows.size(), 1000u);
  EXPECT_EQ(municipality.count, 1000);
  EXPECT_TRUE(municipality.over_limit);

  const NameHit whole_city{image.towns.front() + 1, image.town_end};
  const ResultList town_names = set_list5(db, std::span(&whole_city, 1), settings, host);
  EXPECT_EQ(town_names.rows.size(), 1000u);
  EXPECT_TRUE(town_names.over_limit);
  EXPECT_EQ(host.events, 10);  // after rows 100, 200 .. 1000

  const ResultList prefix = set_list1(db, image.towns, settings);
  EXPECT_EQ(prefix.rows.size(), 1000u);
  EXPECT_EQ(prefix.count, 1001);
  EXPECT_TRUE(prefix.over_limit);
}

TEST_F(ListBuildersTest, PrefixListSkipsKindSixButCountsEveryCode) {
  image.town("1000001", u"チ千代田");
  image.town("1000002", u"コ皇居外苑", 6);
  image.town("1000003", u"ヒ一ツ橋（１丁目）");
  open();
  settings.set_flag(settings::Flag::kHyphen, 1);
  const ResultList list = set_list1(db, image.towns, settings);
  EXPECT_EQ(texts(list),
            (std::vector<std::u16string>{u"100-0001\t東京都千代田区千代田",
                                         u"100-0003\t東京都千代田区一ツ橋（１丁目）"}));
  EXPECT_EQ(list.count, 3);
  EXPECT_EQ(list.rows[1].code, u"1000003");
  EXPECT_EQ(list.rows[1].index, u"");
  EXPECT_FALSE(list.over_limit);
}

TEST_F(ListBuildersTest, OfficeListShowsCodeAndOffice) {
  const std::int32_t first = image.office("1008692", u"テスト商事　株式会社",
                                          u"１丁目３－１（東京中央郵便局私書箱第２号）", 7, 21);
  const std::int32_t second = image.office("1008799", u"甲社", u"１－１");
  open();
  const std::vector<std::int32_t> hits = {second, first};
  for (const bool over : {false, true}) {
    const ResultList list = set_list4(db, hits, over, settings);
    EXPECT_EQ(texts(list),
              (std::vector<std::u16string>{u"1008799\t甲社", u"1008692\tテスト商事　株式会社"}));
    EXPECT_EQ(list.rows[1].pobox, u"東京中央郵便局私書箱第２号");
    EXPECT_EQ(list.rows[1].address, u"東京都千代田区大手町１丁目３－１");
    EXPECT_EQ(list.rows[1].index, kNoIndex);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.over_limit, over);
  }
}

TEST_F(ListBuildersTest, TownNameHitsListOneRecordOrAWholeMunicipality) {
  image.town("1000001", u"チ千代田");
  image.town("1000002", u"コ皇居外苑", 6);
  image.town("1000003", u"ヒ一ツ橋（１丁目）");
  open();
  const std::vector<NameHit> hits = {
      {image.towns[2] + 1, 0},               // one record
      {image.towns[0] + 1, image.town_end},  // all of 千代田区
      {image.town_end + 1, 0},               // the next city's record
  };
  const ResultList list = set_list5(db, hits, settings, host);
  EXPECT_EQ(texts(list), (std::vector<std::u16string>{
                             u"1000003\t東京都千代田区一ツ橋（１丁目）",
                             u"1000001\t東京都千代田区千代田",
                             u"1000003\t東京都千代田区一ツ橋（１丁目）",
                             u"1040061\t東京都中央区銀座",
                         }));
  EXPECT_EQ(list.count, 4);
  EXPECT_FALSE(list.over_limit);
  const std::vector<NameHit> thousand(1000, NameHit{image.towns[0] + 1, 0});
  EXPECT_TRUE(set_list5(db, thousand, settings, host).over_limit);
}

TEST_F(ListBuildersTest, AHitOutsideTheFileGivesNoRow) {
  image.town("1000001", u"チ千代田");
  const std::int32_t office = image.office("1008799", u"甲社", u"１－１");
  open();
  const std::int32_t outside = 1 << 30;
  EXPECT_EQ(texts(set_list1(db, std::vector<std::int32_t>{outside, image.towns[0]}, settings)),
            std::vector<std::u16string>{u"1000001\t東京都千代田区千代田"});
  EXPECT_EQ(texts(set_list4(db, std::vector<std::int32_t>{office, outside}, false, settings)),
            std::vector<std::u16string>{u"1008799\t甲社"});
  const std::vector<NameHit> hits = {{outside, 0}, {image.towns[0] + 1, 0}};
  EXPECT_EQ(texts(set_list5(db, hits, settings, host)),
            std::vector<std::u16string>{u"1000001\t東京都千代田区千代田"});
}

}  // namespace
}  // namespace kovari::result_list
