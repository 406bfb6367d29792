#include "csv_export/area_pick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace kovari::csv_export
