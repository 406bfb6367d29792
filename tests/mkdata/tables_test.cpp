#include <gtest/gtest.h>

#include "buildings.h"
#include "office_names.h"
#include "sorted_index.h"
#include "text/sjis.h"
#include "town_areas.h"
#include "words.h"

namespace kovari::mkdata {
namespace {

TEST(SortedIndexTest, SortsStablyAndNumbersRuns) {
  std::vector<IndexEntry<std::string>> index = {
      {"1000001", 10}, {"0600000", 20}, {"1000001", 30}, {"1000001", 5}, {"0600042", 40}};
  EXPECT_EQ(sort_with_ordinals(index), 3);
  const struct {
    std::string key;
    std::int32_t offset, ordinal;
  } expected[] = {{"0600000", 20, 1},
                  {"0600042", 40, 1},
                  {"1000001", 10, 1},
                  {"1000001", 30, 2},
                  {"1000001", 5, 3}};
  ASSERT_EQ(index.size(), std::size(expected));
  for (std::size_t i = 0; i < index.size(); ++i) {
    EXPECT_EQ(index[i].key, expected[i].key);
    EXPECT_EQ(index[i].offset, expected[i].offset);
    EXPECT_EQ(index[i].ordinal, expected[i].ordinal);
  }
}

TownArea town(std::u16string name, char16_t initial, std::u16string reading,
              std::string code = "0600000") {
  TownArea t;
  t.name = std::move(name);
  t.initial = initial;
  t.reading = std::move(reading);
  t.code = std::move(code);
  return t;
}

TEST(TownOrderTest, CatchAllFirstThenByInitialAndReading) {
  std::vector<TownArea> towns = {
      town(u"北町", u'キ', u"ｷﾀﾏﾁ"),      town(u"大江", u'オ', u"ｵｵｴ"),
      town(u"元気町", u'カ', u"ｶﾞﾝｷﾁｮｳ"), town(u"以下に掲載がない場合", u'イ', u"ｲｶﾆ"),
      town(u"上町", u'カ', u"ｶﾐﾏﾁ"),      town(u"旭", u'ア', u"ｱｻﾋ"),
      town(u"学園", u'カ', u"ｶﾞｸｴﾝ"),     town(u"角", u'カ', u"ｶｸ")};
  order_town_areas(towns);
  std::vector<std::u16string> names;
  for (const TownArea& t : towns) names.push_back(t.name);
  // 50-on order of the readings with the voiced marks set aside (ｶｸ < ｶﾞｸｴﾝ <
  // ｶﾐﾏﾁ < ｶﾞﾝｷ), not the order of the half-width code units (ﾐ < ﾝ < ﾞ).
  EXPECT_EQ(names, (std::vector<std::u16string>{u"以下に掲載がない場合", u"旭", u"大江", u"角",
                                                u"学園", u"上町", u"元気町", u"北町"}));
}

TEST(CityKindTest, OneWhenEveryTownAreaHasTheSameCode) {
  EXPECT_EQ(city_kind({town(u"以下に掲載がない場合", u'イ', u"", "1006301")}), 1);
  EXPECT_EQ(city_kind({town(u"a", u'ア', u"", "1001100"), town(u"b", u'ア', u"", "1001100")}), 1);
  EXPECT_EQ(city_kind({town(u"a", u'ア', u"", "1001100"), town(u"b", u'ア', u"", "1001101")}), 0);
}

TEST(WordTableTest, LongerWordsComeBeforeTheWordsTheyContain) {
  const std::vector<std::u16string> words = office_words();
  ASSERT_LE(words.size(), 100u);
  for (std::size_t i = 0; i < words.size(); ++i) {
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      EXPECT_EQ(words[j].find(words[i]), std::u16string::npos)
          << text::to_utf8(words[j]) << " after " << text::to_utf8(words[i]);
    }
  }
}

TEST(OfficeNameTest, NormalisedAsTheSearchNormalisesTheTypedText) {
  const std::vector<std::u16string> words = office_words();
  const struct {
    std::u16string_view name, normalised;
  } cases[] = {
      {u"株式会社　北海道新聞社", u"北海道新聞社"},
      {u"テスト商事　株式会社", u"テスト商事"},
      {u"ジェイ・アール・ティー株式会社", u"ジエイアールテイー"},
      {u"一般社団法人　日本ショップ協会", u"日本シヨツプ協会"},  // not 一般 + 社団法人
      {u"株式会社株式会社", u"株式会社"},                        // each word is removed once
      {u"株式会社", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(normalize_office_name(c.name, words), c.normalised) << text::to_utf8(c.name);
  }
}

TEST(FindBuildingsTest, BaseCodeHighestFloorAndNameWithoutTownName) {
  PostalData data;
  data.prefs = {{}, {u"愛知県", 1}};
  City city;
  city.pref = 1;
  city.name1 = u"名古屋市";
  city.name2 = u"中村区";
  city.towns = {
      town(u"名駅", u'メ', u"", "4500002"),
      town(u"名駅ミッドランドスクエア（高層棟）（地階・階層不明）", u'メ', u"", "4506290"),
      town(u"名駅ミッドランドスクエア（高層棟）（１階）", u'メ', u"", "4506201"),
      town(u"名駅ミッドランドスクエア（高層棟）（４７階）", u'メ', u"", "4506247"),
      town(u"名駅ミッドランドスクエア（高層棟）（２階）", u'メ', u"", "4506202"),
      // floors without their 地階・階層不明 record give no base code
      town(u"名駅ＪＲタワー（１階）", u'メ', u"", "4506601")};
  data.cities = {{}, city};
  Report report;
  const std::vector<FoundBuilding> buildings = find_buildings(data, report);
  ASSERT_EQ(buildings.size(), 1u);
  EXPECT_EQ(buildings[0].row.code, "4506200");
  EXPECT_EQ(buildings[0].row.floors, 47);
  EXPECT_EQ(buildings[0].row.name1, u"ﾐｯﾄﾞﾗﾝﾄﾞｽｸｴｱ");
  EXPECT_EQ(buildings[0].row.name2, buildings[0].row.name1);
  EXPECT_EQ(buildings[0].pref, u"愛知県");
  EXPECT_EQ(buildings[0].city, u"名古屋市");
  EXPECT_EQ(report.messages().size(), 1u);
}

TEST(FindBuildingsTest, ALongerNameComesBeforeAShorterNameItContains) {
  PostalData data;
  data.prefs = {{}, {u"東京都", 1}};
  City city;
  city.pref = 1;
  city.name1 = u"千代田区";
  city.towns = {town(u"丸の内", u'マ', u"", "1000005"),
                town(u"丸の内丸の内ビルディング（地階・階層不明）", u'マ', u"", "1006390"),
                town(u"丸の内丸の内ビルディング（３階）", u'マ', u"", "1006303"),
                town(u"丸の内新丸の内ビルディング（地階・階層不明）", u'マ', u"", "1006590"),
                town(u"丸の内新丸の内ビルディング（３階）", u'マ', u"", "1006503")};
  data.cities = {{}, city};
  Report report;
  const std::vector<FoundBuilding> buildings = find_buildings(data, report);
  ASSERT_EQ(buildings.size(), 2u);
  EXPECT_EQ(buildings[0].row.code, "1006500");
  EXPECT_EQ(buildings[1].row.code, "1006300");
}

FoundBuilding found(std::string code, std::u16string pref, std::u16string city) {
  return {{std::move(code), 30, u"ﾋﾞﾙ", u"ﾋﾞﾙ"}, std::move(pref), std::move(city)};
}

TEST(BuildingPlacementTest, FixedRowsGetBuildingsOfTheirPlaceOrFillers) {
  Report report;
  const std::vector<Building> rows = place_buildings(
      {found("1630400", u"東京都", u"新宿区"), found("1630500", u"東京都", u"新宿区"),
       found("9800000", u"宮城県", u"仙台市"), found("6500000", u"兵庫県", u"神戸市")},
      report);
  ASSERT_EQ(rows.size(), 44u);
  EXPECT_EQ(rows[0].code, "9800000");  // row 1: 仙台市
  EXPECT_EQ(rows[7].code, "1630400");  // rows 8-19: 新宿区
  EXPECT_EQ(rows[8].code, "1630500");
  EXPECT_EQ(rows[43].code, "6500000");  // no fixed place: after row 43
  for (int row : {2, 10, 29, 43}) {
    const Building& filler = rows[row - 1];
    EXPECT_EQ(filler.code, filler_building().code) << row;
    EXPECT_NE(filler.name1.find(u' '), std::u16string::npos) << row;
    EXPECT_NE(filler.name1.front(), u' ');
    EXPECT_NE(filler.name1.back(), u' ');
  }
}

TEST(BuildingPlacementTest, AtMostOneHundredRows) {
  std::vector<FoundBuilding> many;
  for (int i = 0; i < 80; ++i) many.push_back(found(std::to_string(2000000 + 100 * i), u"X", u"Y"));
  Report report;
  EXPECT_EQ(place_buildings(many, report).size(), 100u);
  EXPECT_EQ(report.messages().size(), 1u);
}

}  // namespace
}  // namespace kovari::mkdata
