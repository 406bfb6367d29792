#include "decompose/municipal.h"

#include <gtest/gtest.h>

#include "postaldb/fixed_tables.h"
#include "test_tables.h"
#include "text/kanji_fold.h"

namespace kovari::decompose {
namespace {

TEST(FixCityMarkerTest, MovesToTheCityEnding) {
  struct Case {
    std::u16string_view text;
    int p, expected;
  };
  const Case kCases[] = {
      {u"市川市八幡", 1, 3},
      {u"四日市市諏訪町", 3, 4},
      {u"八日市場市イ", 4, 5},
      {u"廿日市市本町", 3, 4},
      {u"今市市今市", 2, 3},
      // 安中市 ends at its first 市 whatever follows.
      {u"安中市中宿市場", 3, 3},
      // Without a second 市 nothing moves.
      {u"市原", 1, 1},
      // A city of the table that opens the text.
      {u"野々市市本町", 3, 4},
      // A town area beginning with 市 after a city that is not in the table.
      {u"旭市市場", 2, 2},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const Case& c : kCases) {
    int p = c.p;
    fix_city_marker(c.text, p, u"", tables);
    EXPECT_EQ(p, c.expected) << testing::utf8(c.text);
  }
}

// The loader keeps the tables' names blank-padded: a padded name, with blanks
// before it too, is the name it holds.
TEST(FixCityMarkerTest, PaddedNamesOfTheTables) {
  postaldb::PostalTables tables;
  tables.pref_name = {u"", u" 富山県", u"石川県  "};
  tables.pref_first_city = {0, 1, 3};
  tables.city_name1 = {u"", u"富山市", u"  市市  ", u"金沢市 ", u"  野々市市  ", u" "};
  struct Case {
    std::u16string_view text, pref;
    int p, expected;
  };
  const Case kCases[] = {
      {u"野々市市本町", u"石川県", 3, 4}, {u"野々市市本町", u"", 3, 4},  // no prefecture: every row
      {u"野々市市本町", u"富山県", 3, 3}, {u"市市市場", u"", 1, 2},
      {u"市市市場", u"石川県", 1, 1},
  };
  for (const Case& c : kCases) {
    int p = c.p;
    fix_city_marker(c.text, p, c.pref, tables);
    EXPECT_EQ(p, c.expected) << testing::utf8(c.text) << " " << testing::utf8(c.pref);
  }
}

TEST(DropCountyMarkerTest, CitiesThatCancelACounty) {
  struct Case {
    std::u16string_view text;
    int p, city_end, expected;
  };
  const Case kCases[] = {
      {u"蒲郡市港町", 2, 3, 0},
      {u"小郡市小郡", 2, 3, 0},
      {u"京都市北区郡町", 6, 3, 0},
      // A city of the table opens the text: its own 郡, or one in a town area.
      {u"郡上市八幡町", 1, 3, 0},
      {u"山口市小郡維新町", 5, 3, 0},
      {u"佐波郡玉村町", 3, 0, 3},
      {u"芳賀郡市貝町", 3, 4, 3},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const Case& c : kCases) {
    int p = c.p;
    drop_county_marker(c.text, p, c.city_end, u"", tables);
    EXPECT_EQ(p, c.expected) << testing::utf8(c.text);
  }
}

TEST(TokyoWardToCityTest, OnlyWithoutAPrefecture) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  std::u16string city, ward = u"港区";
  tokyo_ward_to_city(u"", city, ward, tables);
  EXPECT_EQ(city, u"港区");
  EXPECT_EQ(ward, u"");

  city.clear();
  ward = u"港区";
  tokyo_ward_to_city(u"東京都", city, ward, tables);
  EXPECT_EQ(city, u"");
  EXPECT_EQ(ward, u"港区");

  city = u"名古屋市";
  tokyo_ward_to_city(u"", city, ward, tables);
  EXPECT_EQ(city, u"名古屋市");
  EXPECT_EQ(ward, u"港区");
}

TEST(CompleteCityFromWardTest, DesignatedCityOfThePrefecture) {
  struct Case {
    std::u16string_view pref, ward, expected_city;
  };
  const Case kCases[] = {
      {u"北海道", u"北区", u"札幌市"},
      {u"宮城県", u"泉区", u"仙台市"},
      {u"埼玉県", u"浦和区", u"さいたま市"},
      {u"千葉県", u"緑区", u"千葉市"},
      // Three cities of one prefecture, tried in the order of their codes.
      {u"神奈川県", u"緑区", u"横浜市"},
      {u"神奈川県", u"中原区", u"川崎市"},
      {u"神奈川県", u"中央区", u"相模原市"},
      // A ward typed in narrow form, the table's in full width.
      {u"神奈川県", u"保土ｹ谷区", u"横浜市"},
      {u"新潟県", u"北区", u"新潟市"},
      {u"静岡県", u"葵区", u"静岡市"},
      {u"静岡県", u"中央区", u"浜松市"},
      {u"愛知県", u"中区", u"名古屋市"},
      {u"京都府", u"北区", u"京都市"},
      {u"大阪府", u"北区", u"大阪市"},
      {u"大阪府", u"堺区", u"堺市"},
      {u"兵庫県", u"北区", u"神戸市"},
      {u"岡山県", u"北区", u"岡山市"},
      {u"広島県", u"中区", u"広島市"},
      {u"福岡県", u"八幡西区", u"北九州市"},
      {u"福岡県", u"博多区", u"福岡市"},
      {u"熊本県", u"中央区", u"熊本市"},
      // The prefecture as stored in the table, blank-padded.
      {u"静岡県     ", u"葵区", u"静岡市"},
      // A ward the prefecture's cities do not have; a prefecture without one.
      {u"大阪府", u"葵区", u""},
      {u"東京都", u"北区", u""},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const Case& c : kCases) {
    std::u16string city;
    int added = -1;
    complete_city_from_ward(c.pref, city, c.ward, tables, added);
    EXPECT_EQ(city, c.expected_city) << testing::utf8(c.pref) << testing::utf8(c.ward);
    EXPECT_EQ(added, c.expected_city.empty() ? -1 : static_cast<int>(c.expected_city.size()))
        << testing::utf8(c.pref) << testing::utf8(c.ward);
  }
}

TEST(CompleteCityFromWardTest, NothingWithoutPrefectureOrWithACity) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  std::u16string city;
  int added = 0;
  complete_city_from_ward(u"", city, u"北区", tables, added);
  EXPECT_EQ(city, u"");
  city = u"市川市";
  complete_city_from_ward(u"大阪府", city, u"北区", tables, added);
  EXPECT_EQ(city, u"市川市");
}

TEST(CheckDesignatedCityTest, KeepsTheWardOfEveryDesignatedCity) {
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    int p = 5;
    check_designated_city(designated.city, p);
    EXPECT_EQ(p, 5) << testing::utf8(designated.city);
  }
  for (std::u16string_view city : {u"松阪市", u"姫路市", u"千代田区"}) {
    int p = 5;
    check_designated_city(city, p);
    EXPECT_EQ(p, 0) << testing::utf8(city);
  }
  int p = 5;
  check_designated_city(u"", p);
  EXPECT_EQ(p, 5);
}

TEST(CheckDesignatedCityTest, VariantKanjiNameTheSameCity) {
  // A city typed with a variant kanji is compared in its folded form.
  int p = 5;
  check_designated_city(u"川﨑市", p);
  EXPECT_EQ(p, 5);
  // The list itself is written without variants: its names compare plainly.
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    EXPECT_FALSE(text::holds_kanji_variant(designated.city)) << testing::utf8(designated.city);
  }
}

TEST(DesignatedCitiesTest, WardsOfAllTwentyCities) {
  struct Case {
    std::u16string_view address, result_parts;
  };
  const Case kCases[] = {
      {u"北海道札幌市中央区北一条西2丁目1", u"北海道,札幌市,中央区,北一条西,2,1,,,"},
      {u"宮城県仙台市青葉区国分町3-7-1", u"宮城県,仙台市,青葉区,国分町,3,7,1,,"},
      {u"埼玉県さいたま市浦和区常盤6-4-4", u"埼玉県,さいたま市,浦和区,常盤,6,4,4,,"},
      {u"千葉県千葉市中央区千葉港1-1", u"千葉県,千葉市,中央区,千葉港,1,1,,,"},
      {u"神奈川県横浜市中区港町1-1", u"神奈川県,横浜市,中区,港町,1,1,,,"},
      {u"神奈川県川崎市川崎区宮本町1", u"神奈川県,川崎市,川崎区,宮本町,,1,,,"},
      {u"神奈川県相模原市中央区中央2-11-15", u"神奈川県,相模原市,中央区,中央,2,11,15,,"},
      {u"新潟県新潟市中央区学校町通1-602-1", u"新潟県,新潟市,中央区,学校町通,1,602,1,,"},
      {u"静岡県静岡市葵区追手町9-6", u"静岡県,静岡市,葵区,追手町,9,6,,,"},
      {u"静岡県浜松市中央区元城町103-2", u"静岡県,浜松市,中央区,元城町,103,2,,,"},
      {u"愛知県名古屋市中区三の丸3-1-1", u"愛知県,名古屋市,中区,三の丸,3,1,1,,"},
      {u"京都府京都市中京区寺町通御池上る上本能寺前町488",
       u"京都府,京都市,中京区,寺町通御池上る上本能寺前町,,488,,,"},
      {u"大阪府大阪市北区中之島1-3-20", u"大阪府,大阪市,北区,中之島,1,3,20,,"},
      {u"大阪府堺市堺区南瓦町3-1", u"大阪府,堺市,堺区,南瓦町,3,1,,,"},
      {u"兵庫県神戸市中央区加納町6-5-1", u"兵庫県,神戸市,中央区,加納町,6,5,1,,"},
      {u"岡山県岡山市北区大供1-1-1", u"岡山県,岡山市,北区,大供,1,1,1,,"},
      {u"広島県広島市中区国泰寺町1-6-34", u"広島県,広島市,中区,国泰寺町,1,6,34,,"},
      {u"福岡県北九州市小倉北区城内1-1", u"福岡県,北九州市,小倉北区,城内,1,1,,,"},
      {u"福岡県福岡市中央区天神1-8-1", u"福岡県,福岡市,中央区,天神,1,8,1,,"},
      {u"熊本県熊本市中央区手取本町1-1", u"熊本県,熊本市,中央区,手取本町,1,1,,,"},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const Case& c : kCases) {
    EXPECT_EQ(testing::decompose(c.address, tables).result_parts, c.result_parts)
        << testing::utf8(c.address);
  }
}

}  // namespace
}  // namespace kovari::decompose
