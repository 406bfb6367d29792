// The town-name search and the municipality list of 簡易入力 on the small
// fixture: wildcards, the city and ward names searched too or not, the input
// error of a text outside the index, and the rows the result list makes of
// the hits.
#include "address_entry/town_search.h"

#include <gtest/gtest.h>

#include "address_entry/town_pick.h"
#include "csv_export/area_pick.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::address_entry {
namespace {

using settings::Flag;

class TownSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }
  const postaldb::PostalDb& db() { return loaded.session.db; }
  settings::Settings& settings() { return loaded.session.settings; }
  // The codes and addresses of the search's rows in the result list.
  std::vector<std::u16string> rows(const TownSearch& search) {
    std::vector<std::u16string> texts;
    kovari::testing::RecordingHost host;
    for (const auto& row : result_list::set_list5(db(), search.hits, settings(), host).rows) {
      texts.push_back(row.code + u" " + row.address);
    }
    return texts;
  }
  kovari::testing::LoadedSession loaded;
};

TEST_F(TownSearchTest, FindsTownAreasByTheBeginningOfTheirNames) {
  settings().set_flag(Flag::kTownSearchNames, 0);
  using Rows = std::vector<std::u16string>;
  const struct {
    std::u16string_view text;
    Rows rows;
  } cases[] = {
      {u"丸の内", {u"1000005 東京都千代田区丸の内（次のビルを除く）"}},
      {u"丸の内*", {u"1000005 東京都千代田区丸の内（次のビルを除く）"}},
      {u" 丸の内＊ ", {u"1000005 東京都千代田区丸の内（次のビルを除く）"}},
      // The first key of the index begins with it.
      {u"丸", {u"1000005 東京都千代田区丸の内（次のビルを除く）"}},
      {u"大通西",
       {u"0600042 北海道札幌市中央区大通西（１～１９丁目）",
        u"0640820 北海道札幌市中央区大通西（２０～２８丁目、宮の森一条１～５丁目、円山西町）"}},
  };
  for (const auto& c : cases) {
    const TownSearch search = sel_index(db(), settings(), c.text);
    EXPECT_EQ(rows(search), c.rows) << text::to_utf8(c.text);
    EXPECT_TRUE(search.message.empty());
  }
}

TEST_F(TownSearchTest, AWildcardInsideAndATextLongerThanAKey) {
  settings().set_flag(Flag::kTownSearchNames, 0);
  const struct {
    std::u16string_view text;
    std::size_t hits;
  } cases[] = {
      {u"西新宿*三井", 4},         // the four records of the building
      {u"西新宿新宿三井ビル", 4},  // nine characters: the key holds eight
      {u"西新宿*ビル", 0},         // beyond the eight characters of the keys
      {u"西新宿", 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sel_index(db(), settings(), c.text).hits.size(), c.hits) << text::to_utf8(c.text);
  }
}

TEST_F(TownSearchTest, AStarAloneListsEveryKey) {
  settings().set_flag(Flag::kTownSearchNames, 0);
  const TownSearch search = sel_index(db(), settings(), u"*");
  EXPECT_EQ(search.hits.size(), static_cast<std::size_t>(db().dir.tbl4_count));
  for (const result_list::NameHit& hit : search.hits) EXPECT_EQ(hit.last, 0);
}

TEST_F(TownSearchTest, CityAndWardNamesAreSearchedWhenTheSettingsSaySo) {
  const struct {
    int names;
    std::u16string_view text;
    std::size_t town_areas;
  } cases[] = {
      // 千代田区 holds four town areas, and 千代田 is one of them.
      {1, u"千代田", 4 + 1},
      {0, u"千代田", 1},
      // 札幌市中央区: by city_name1 and city_name2 together only.
      {1, u"市中央", 5},
  };
  for (const auto& c : cases) {
    settings().set_flag(Flag::kTownSearchNames, c.names);
    const TownSearch search = sel_index(db(), settings(), c.text);
    EXPECT_EQ(rows(search).size(), c.town_areas) << text::to_utf8(c.text) << " " << c.names;
  }
}

TEST_F(TownSearchTest, ATextOutsideTheIndexIsAnInputErrorAndNoMatchSaysSo) {
  settings().set_flag(Flag::kTownSearchNames, 0);
  const struct {
    std::u16string_view text;
    std::u16string_view message;
  } cases[] = {
      {u"、", kMsgTownInputError},    // before the first key
      {u"￥￥", kMsgTownInputError},  // after the last
      {u"丸の外", kMsgNoTownHit},
  };
  for (const auto& c : cases) {
    const TownSearch search = sel_index(db(), settings(), c.text);
    EXPECT_TRUE(search.hits.empty());
    EXPECT_EQ(search.message, c.message) << text::to_utf8(c.text);
  }
  EXPECT_EQ(chenge_chr(u"丸の内＊＊＊＊＊"), u"丸の内");
}

TEST_F(TownSearchTest, APickedMunicipalityListsItsOfficesThenItsTownAreas) {
  csv_export::AreaPick pick(db());
  ASSERT_TRUE(pick.choose(1));  // 東京都
  ASSERT_TRUE(pick.choose(0));  // 千代田区
  ASSERT_TRUE(pick.choose(0));
  const result_list::ResultList list = municipality_list(db(), pick.found_town, settings());
  EXPECT_EQ(list.mode, result_list::ListMode::Municipality);
  std::vector<std::u16string> codes;
  for (const auto& row : list.rows) codes.push_back(row.code);
  // The town areas in the order of their readings.
  EXPECT_EQ(codes, (std::vector<std::u16string>{u"1008691", u"1008692", u"", u"1000000", u"1010021",
                                                u"1000001", u"1000005"}));
  EXPECT_TRUE(municipality_list(db(), 0, settings()).rows.empty());
}

}  // namespace
}  // namespace kovari::address_entry
