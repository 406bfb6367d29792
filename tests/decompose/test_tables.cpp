#include "test_tables.h"

#include <array>
#include <string_view>

#include "postaldb/char_tables.h"
#include "postaldb/fixed_tables.h"
#include "text/sjis.h"
#include "text/strconv.h"

namespace kovari::decompose::testing {
namespace {

struct CityRow {
  std::u16string_view name1, name2;
};

// Rows in prefecture order, as the data file holds them.
constexpr std::array<CityRow, 48> kCityRows = {{
    {u"札幌市", u"中央区"},
    {u"札幌市", u"北区"},
    {u"旭川市", u""},
    {u"雨竜郡", u"雨竜町"},
    {u"仙台市", u"青葉区"},
    {u"仙台市", u"泉区"},
    {u"さいたま市", u"北区"},
    {u"さいたま市", u"浦和区"},
    {u"千葉市", u"中央区"},
    {u"千葉市", u"緑区"},
    {u"市川市", u""},
    {u"千代田区", u""},
    {u"中央区", u""},
    {u"港区", u""},
    {u"北区", u""},
    {u"横浜市", u"鶴見区"},
    {u"横浜市", u"緑区"},
    {u"横浜市", u"保土ケ谷区"},
    {u"川崎市", u"川崎区"},
    {u"川崎市", u"中原区"},
    {u"相模原市", u"緑区"},
    {u"相模原市", u"中央区"},
    {u"新潟市", u"北区"},
    {u"新潟市", u"中央区"},
    {u"野々市市", u""},
    {u"郡上市", u""},
    {u"静岡市", u"葵区"},
    {u"静岡市", u"駿河区"},
    {u"浜松市", u"中央区"},
    {u"浜松市", u"浜名区"},
    {u"名古屋市", u"中区"},
    {u"名古屋市", u"港区"},
    {u"京都市", u"中京区"},
    {u"京都市", u"北区"},
    {u"大阪市", u"北区"},
    {u"大阪市", u"中央区"},
    {u"堺市", u"堺区"},
    {u"堺市", u"北区"},
    {u"神戸市", u"中央区"},
    {u"神戸市", u"北区"},
    {u"岡山市", u"北区"},
    {u"広島市", u"中区"},
    {u"山口市", u""},
    {u"北九州市", u"小倉北区"},
    {u"北九州市", u"八幡西区"},
    {u"福岡市", u"博多区"},
    {u"福岡市", u"中央区"},
    {u"熊本市", u"中央区"},
}};

struct BuildingRow {
  std::u16string_view code;
  int floors;
  std::u16string_view name1, name2;
};

constexpr std::array<BuildingRow, 4> kBuildingRows = {{
    {u"9806100", 30, u"仙台第一ビル", u"第一ビル仙台"},
    {u"2617100", 60, u"幕張タワー", u"マクハリタワー"},
    {u"1006300", 37, u"丸の内ビルディング", u"千代田区丸ビル"},
    {u"1056000", 5, u"芝ロウビル", u"ロウビル芝"},
}};

// City groups as the start-up load classifies the rows.
void classify_city_rows(postaldb::PostalTables& t) {
  for (int i = 1; i < static_cast<int>(t.city_name1.size()); ++i) {
    for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
      if (designated.city != t.city_name1[i]) continue;
      auto& group = t.city_group[designated.group];
      if (group[1] == 0) group[1] = i;
      ++group[0];
      group[2] = group[1] + group[0] - 1;
    }
  }
}

}  // namespace

postaldb::PostalTables make_test_tables() {
  postaldb::PostalTables t;
  t.city_name1.emplace_back();
  t.city_name2.emplace_back();
  for (const CityRow& row : kCityRows) {
    t.city_name1.emplace_back(row.name1);
    t.city_name2.emplace_back(row.name2);
  }
  classify_city_rows(t);
  for (int k = 1; k <= 23; ++k) t.tokyo_ward[k] = postaldb::kTokyoWards[k - 1];

  t.bill_code.emplace_back();
  t.bill_floors.emplace_back();
  t.bill_name1.emplace_back();
  t.bill_name2.emplace_back();
  for (const BuildingRow& row : kBuildingRows) {
    t.bill_code.emplace_back(row.code);
    t.bill_floors.push_back(row.floors);
    t.bill_name1.push_back(text::to_narrow(row.name1));
    t.bill_name2.push_back(text::to_narrow(row.name2));
  }
  t.bill_name_index = text::NameIndex({t.bill_name1, t.bill_name2});
  for (const postaldb::BuildingRowPlace& place : postaldb::kBuildingRowPlaces) {
    for (int row = place.first_row; row <= place.last_row; ++row) {
      t.bill_pref[row] = place.prefecture;
      t.bill_city[row] = place.city;
    }
  }
  postaldb::set_table1(t);
  postaldb::set_table2(t);
  return t;
}

std::string utf8(std::u16string_view text) { return text::to_utf8(text); }

Decomposition decompose(std::u16string_view address, const postaldb::PostalTables& tables,
                        DecomposeOptions options) {
  Decomposition d;
  d.addr_text = address;
  decompose_address(d, tables, options);
  return d;
}

}  // namespace kovari::decompose::testing
