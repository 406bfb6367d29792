#include "decompose/building.h"

#include <gtest/gtest.h>

#include "test_tables.h"

namespace kovari::decompose {
namespace {

using testing::decompose;

struct BuildingCase {
  std::u16string_view address;
  std::u16string_view result_code;  // empty: no building taken
  std::u16string_view part8, part9;
};

TEST(FindBuildingTest, CodeFromBaseAndFloor) {
  const BuildingCase kCases[] = {
      {u"東京都千代田区丸の内2-4-1丸の内ビルディング10階", u"1006310", u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ", u"10"},
      // No floor, or a basement without a number: base + 90.
      {u"東京都千代田区丸の内2-4-1丸の内ビルディング", u"1006390", u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ", u""},
      {u"東京都千代田区丸の内ビルディング地階", u"1006390", u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ", u""},
      // A room number: floor 12.
      {u"東京都千代田区丸の内ビルディング1203", u"1006312", u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ", u"1203"},
      // Found by its second name, reported by its first.
      {u"東京都千代田区丸ビル5階", u"1006305", u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ", u"5"},
      // 123 on a 60-floor building: one division by ten.
      {u"千葉県千葉市美浜区幕張タワー123", u"2617112", u"幕張ﾀﾜｰ", u"123"},
      // Floor 0, or above the highest floor after two divisions: base + 90.
      {u"千葉県千葉市美浜区幕張タワー0階", u"2617190", u"幕張ﾀﾜｰ", u"0"},
      {u"東京都港区芝ロウビル999", u"1056090", u"芝ﾛｳﾋﾞﾙ", u"999"},
      {u"東京都港区芝ロウビル5", u"1056005", u"芝ﾛｳﾋﾞﾙ", u"5"},
      // Neither the building's prefecture nor its city in the address.
      {u"大阪府大阪市北区丸の内ビルディング10階", u"", u"", u""},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const BuildingCase& c : kCases) {
    const Decomposition d = decompose(c.address, tables);
    const bool taken = !c.result_code.empty();
    EXPECT_EQ(d.result_code, c.result_code) << testing::utf8(c.address);
    EXPECT_EQ(d.decomp_status, taken ? DecompStatus::kBuilding : DecompStatus::kParts)
        << testing::utf8(c.address);
    EXPECT_EQ(d.slot[1].building_found, taken ? 1 : 0) << testing::utf8(c.address);
    if (!taken) continue;
    EXPECT_EQ(d.slot[1].addr_part[8], c.part8) << testing::utf8(c.address);
    EXPECT_EQ(d.slot[1].addr_part[9], c.part9) << testing::utf8(c.address);
    // Decomposition stops: no level, not even the joined parts.
    EXPECT_EQ(d.slot[1].addr_part[1], u"") << testing::utf8(c.address);
    EXPECT_EQ(d.result_parts, u"") << testing::utf8(c.address);
  }
}

TEST(FindBuildingTest, ApproximatePickOnlyWhenEnabled) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  // One character short of the second name 千代田区丸ﾋﾞﾙ.
  const std::u16string_view address = u"千代田区丸ビ";
  EXPECT_EQ(decompose(address, tables).decomp_status, DecompStatus::kParts);
  const Decomposition d = decompose(address, tables, {.approximate_match = 1});
  EXPECT_EQ(d.decomp_status, DecompStatus::kBuilding);
  EXPECT_EQ(d.result_code, u"1006390");
  EXPECT_EQ(d.slot[1].addr_part[8], u"丸の内ﾋﾞﾙﾃﾞｨﾝｸﾞ");
}

TEST(PickSimilarBuildingTest, ExactlyOneSimilarName) {
  const std::vector<std::u16string> names = {u"", u"ABCDEF", u"ABCDXY", u"QQ"};
  struct Case {
    std::u16string_view text;
    int approximate;
    std::optional<int> index;
  };
  const Case kCases[] = {
      {u"ABCDE", 1, 1},  // five of six characters in order
      {u"ABCDX", 1, 2},
      {u"ABCDEY", 1, std::nullopt},  // similar to both ABCDEF and ABCDXY
      {u"ABCD", 1, std::nullopt},    // two characters short of either
      {u"ABCDEF", 0, std::nullopt},  // approximate matching off
      {u"", 1, std::nullopt},
      {u"ZZZZZZZZ", 1, std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(pick_similar_building(c.text, names, 3, c.approximate), c.index)
        << testing::utf8(c.text);
  }
}

TEST(BuildingAreaOkTest, PrefectureOrCityMustOccur) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  int pos = 4;
  building_area_ok(u"仙台市青葉区", pos, testing::kSendaiTowerRow, tables);
  EXPECT_EQ(pos, 4);
  building_area_ok(u"宮城県", pos, testing::kSendaiTowerRow, tables);
  EXPECT_EQ(pos, 4);
  building_area_ok(u"東京都港区", pos, testing::kSendaiTowerRow, tables);
  EXPECT_EQ(pos, 0);
}

}  // namespace
}  // namespace kovari::decompose
