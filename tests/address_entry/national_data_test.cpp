// The address window's lists and searches on the national data: the pick
// lists of each level, the choice among the prefectures of a city name
// several share, the town-name search and its limit of 1000 hits. Skipped
// when the national data files have not been built.
#include <gtest/gtest.h>

#include <algorithm>

#include "address_entry/address_entry.h"
#include "address_entry/town_pick.h"
#include "address_entry/town_search.h"
#include "csv_export/area_pick.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::address_entry {
namespace {

using settings::Flag;

class AddressNationalTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!kovari::testing::national_data_built()) return;
    loaded_ = new kovari::testing::LoadedSession;
    ASSERT_TRUE(loaded_->load(kovari::testing::national_data_folder()));
  }
  static void TearDownTestSuite() {
    delete loaded_;
    loaded_ = nullptr;
  }
  void SetUp() override {
    if (loaded_ == nullptr) GTEST_SKIP() << "the national data files have not been built";
    session().settings.set_flag(Flag::kApproximate, 0);
    session().settings.set_flag(Flag::kTownSearchNames, 1);
  }
  static Session& session() { return loaded_->session; }
  static int index_of(const csv_export::PickList& list, std::u16string_view name) {
    const auto found = std::find(list.items.begin(), list.items.end(), name);
    return found == list.items.end() ? -1 : static_cast<int>(found - list.items.begin());
  }
  static bool pick(csv_export::AreaPick& pick, std::u16string_view name) {
    return pick.choose(index_of(pick.list(), name));
  }

  static kovari::testing::LoadedSession* loaded_;
  kovari::testing::RecordingHost host;
};

kovari::testing::LoadedSession* AddressNationalTest::loaded_ = nullptr;

TEST_F(AddressNationalTest, EachPickLevelListsItsNames) {
  csv_export::AreaPick areas(session().db);
  EXPECT_EQ(areas.list().caption, u"都道府県名（４７件）");
  ASSERT_TRUE(pick(areas, u"東京都"));
  const auto& tokyo = areas.list().items;
  // The 23 wards are cities of their own, each listed once.
  for (std::u16string_view ward : {u"千代田区", u"世田谷区", u"江戸川区"}) {
    EXPECT_EQ(std::count(tokyo.begin(), tokyo.end(), ward), 1) << text::to_utf8(ward);
  }
  EXPECT_EQ(std::count_if(tokyo.begin(), tokyo.end(),
                          [](const std::u16string& name) { return name.ends_with(u"区"); }),
            23);

  areas.restart(csv_export::PickLevel::kPrefecture);
  ASSERT_TRUE(pick(areas, u"北海道"));
  const auto& hokkaido = areas.list().items;
  EXPECT_EQ(std::count(hokkaido.begin(), hokkaido.end(), u"札幌市"), 1);
  ASSERT_TRUE(pick(areas, u"札幌市"));
  EXPECT_EQ(areas.list().caption, u"区町村名（１０件）");
  ASSERT_TRUE(pick(areas, u"中央区"));
  const result_list::ResultList wards =
      municipality_list(session().db, areas.found_town, session().settings);
  const auto odori = std::find_if(wards.rows.begin(), wards.rows.end(), [](const auto& row) {
    return row.address == u"北海道札幌市中央区大通西（１～１９丁目）";
  });
  ASSERT_NE(odori, wards.rows.end());
  EXPECT_EQ(odori->code, u"0600042");
}

TEST_F(AddressNationalTest, AChoiceAtEachLevelConvertsToTheRightCode) {
  const struct {
    std::u16string_view typed;
    int list_kind;
    std::u16string_view pick;
    std::u16string_view code;
  } cases[] = {
      {u"東東県千代田区丸の内１丁目", 1, u"東京都", u"1000005"},
      {u"東京都千代本区丸の内１丁目", 2, u"千代田区", u"1000005"},
      {u"北海道札幌市中夬区大通西１丁目", 3, u"中央区", u"0600042"},
      // 大江 of 仁木町 has several records: each is offered with its code.
      {u"北海道余市郡仁木町", 4, u"尾根内", u"0482334"},
  };
  for (const auto& c : cases) {
    const std::optional<AddressConversion> shown = convert_typed_address(session(), host, c.typed);
    ASSERT_TRUE(shown && shown->list) << text::to_utf8(c.typed);
    EXPECT_EQ(shown->list->list_kind, c.list_kind) << text::to_utf8(c.typed);
    const std::vector<std::u16string> rows = list_rows(*shown->list);
    const auto picked = std::find(rows.begin(), rows.end(), c.pick);
    ASSERT_NE(picked, rows.end()) << text::to_utf8(c.typed);
    const std::optional<AddressConversion> chosen =
        choose_item(session(), host, *shown, static_cast<int>(picked - rows.begin()));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->fields.code, c.code) << text::to_utf8(c.typed);
  }
}

TEST_F(AddressNationalTest, TheWardSlipOfTheExampleAsksForTheWardUnlessMatchingIsApproximate) {
  const std::optional<AddressConversion> exact =
      convert_typed_address(session(), host, u"東京都千代本区丸の内１丁目");
  ASSERT_TRUE(exact && exact->list);
  EXPECT_EQ(exact->list->list_kind, 2);
  session().settings.set_flag(Flag::kApproximate, 1);
  const std::optional<AddressConversion> approximate =
      convert_typed_address(session(), host, u"東京都千代本区丸の内１丁目");
  ASSERT_TRUE(approximate);
  EXPECT_FALSE(approximate->list);
  EXPECT_EQ(approximate->fields.code, u"1000005");
}

TEST_F(AddressNationalTest, TheTownNameSearchStopsAtItsLimit) {
  const struct {
    std::u16string_view text;
    std::size_t hits;  // 0: at least one, below the limit
  } cases[] = {
      {u"*", 1000},
      {u"中", 1000},
      {u"丸の内*", 0},
  };
  for (const auto& c : cases) {
    const TownSearch search = sel_index(session().db, session().settings, c.text);
    if (c.hits != 0) {
      EXPECT_EQ(search.hits.size(), c.hits) << text::to_utf8(c.text);
    } else {
      EXPECT_GT(search.hits.size(), 1u) << text::to_utf8(c.text);
      EXPECT_LT(search.hits.size(), 1000u);
    }
  }
  const std::vector<result_list::NameHit> hits =
      sel_index(session().db, session().settings, u"*").hits;
  const result_list::ResultList list =
      result_list::set_list5(session().db, hits, session().settings, host);
  EXPECT_TRUE(list.over_limit);
}

}  // namespace
}  // namespace kovari::address_entry
