#include "csv_export/area_pick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv_export/csv_export.h"
#include "support/loaded_session.h"

namespace kovari::csv_export {
namespace {

using Items = std::vector<std::u16string>;

class AreaPickTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }
  const postaldb::PostalDb& db() const { return loaded.session.db; }
  kovari::testing::LoadedSession loaded;
};

TEST_F(AreaPickTest, ListsEachLevelWithItsCaptionAndPrompt) {
  AreaPick pick(db());
  EXPECT_EQ(pick.list().items, (Items{u"北海道", u"東京都"}));
  EXPECT_EQ(pick.list().caption, u"都道府県名（２件）");
  EXPECT_EQ(pick.list().prompt, u"都道府県名を選択して下さい。選択はダブルクリックで行います。");
  ASSERT_TRUE(pick.choose(0));
  EXPECT_EQ(pick.pref_text, u"北海道");
  // 札幌市 spans two rows (中央区, 北区) and is listed once.
  EXPECT_EQ(pick.list().items, (Items{u"札幌市", u"余市郡"}));
  EXPECT_EQ(pick.list().caption, u"区市郡島名（２件）");
  EXPECT_EQ(pick.level(), PickLevel::kCity);
  ASSERT_TRUE(pick.choose(0));
  EXPECT_EQ(pick.city_text, u"札幌市");
  EXPECT_EQ(pick.list().items, (Items{u"中央区", u"北区"}));
  EXPECT_EQ(pick.list().caption, u"区町村名（２件）");
  EXPECT_EQ(pick.list().prompt, u"区町村名を選択して下さい。選択はダブルクリックで行います。");
  ASSERT_TRUE(pick.choose(1));
  EXPECT_EQ(pick.town_text, u"北区");
  EXPECT_EQ(pick.found_town, pick.found_city + 1);
  EXPECT_EQ(pick.level(), PickLevel::kTown);
}

TEST_F(AreaPickTest, NoSelectionPicksNothingAndTheButtonsRestartALevel) {
  AreaPick pick(db());
  EXPECT_FALSE(pick.choose(std::nullopt));
  EXPECT_FALSE(pick.choose(2));
  pick.choose(1);  // 東京都
  pick.choose(0);
  const std::u16string city = pick.city_text;
  pick.restart(PickLevel::kCity);
  EXPECT_TRUE(pick.city_text.empty());
  EXPECT_EQ(pick.pref_text, u"東京都");
  EXPECT_EQ(pick.level(), PickLevel::kCity);
  EXPECT_EQ(pick.list().items.front(), city);
  pick.restart(PickLevel::kPrefecture);
  EXPECT_TRUE(pick.pref_text.empty());
  EXPECT_EQ(pick.found_pref, 0);
  EXPECT_EQ(pick.list().items.size(), 2u);
  // A level whose upper pick is missing falls back to the first open one.
  pick.restart(PickLevel::kTown);
  EXPECT_EQ(pick.level(), PickLevel::kPrefecture);
}

TEST_F(AreaPickTest, TheExportAsksForTheFileNameOnceTheAreaIsPicked) {
  AreaPick pick(db());
  EXPECT_EQ(export_pick_view(pick).prompt, pick.list().prompt);
  EXPECT_FALSE(export_pick_view(pick).file_name_next);
  pick.choose(1);  // 東京都
  pick.choose(0);  // 千代田区: no wards, one item without a name
  ASSERT_EQ(pick.list().items, Items{u""});
  const PickView single = export_pick_view(pick);
  EXPECT_EQ(single.caption, u"");
  EXPECT_EQ(single.prompt, u"ＣＳＶファイル名を入力してください。");
  EXPECT_TRUE(single.file_name_next);
  EXPECT_EQ(export_area(pick).city, u"千代田区");

  pick.restart(PickLevel::kPrefecture);
  pick.choose(0);  // 北海道
  pick.choose(0);  // 札幌市
  EXPECT_FALSE(export_pick_view(pick).file_name_next);
  pick.choose(0);  // 中央区
  const PickView town = export_pick_view(pick);
  EXPECT_EQ(town.caption, u"区町村名（２件）");
  EXPECT_TRUE(town.file_name_next);
  const ExportArea area = export_area(pick);
  EXPECT_EQ(area.pref, 1);
  EXPECT_EQ(area.city, u"札幌市");
  EXPECT_EQ(area.town, u"中央区");
  EXPECT_EQ(area.city_row, pick.found_city);
}

}  // namespace
}  // namespace kovari::csv_export
