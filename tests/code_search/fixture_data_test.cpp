// The searches over data files made by the data builder from hand-written
// KEN_ALL and JIGYOSYO lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "code_search/code_search.h"
#include "code_search/loaded_db.h"
#include "result_list/list_builders.h"
#include "text/sjis.h"

namespace kovari::code_search {
namespace {

const std::filesystem::path kFixtures(KOVARI_FIXTURE_ROOT);

struct Lookup {
  std::u16string_view code;
  SearchOutcome outcome;
  std::vector<std::u16string> addresses;  // res_address(1, 1..), in index order
  std::u16string_view pobox, office;      // of a single result
};

void check_lookups(const std::filesystem::path& folder, const std::vector<Lookup>& lookups) {
  testing::LoadedDb loaded;
  ASSERT_TRUE(loaded.load(folder));
  ASSERT_EQ(loaded.settings.flag(settings::Flag::kDetailFile), 1);
  for (const Lookup& lookup : lookups) {
    CodeSearchState state;
    state.in_code = lookup.code;
    SearchContext ctx = loaded.context(CallerMode::kWindow);
    ctx.options.prefix_fallback = false;
    EXPECT_EQ(sertch_kovari1(ctx, state), lookup.outcome) << text::to_utf8(lookup.code);
    const std::vector<std::u16string> addresses = state.res_address[1].rows(1, state.res_count[1]);
    EXPECT_EQ(addresses, lookup.addresses) << text::to_utf8(lookup.code);
    if (lookup.outcome == SearchOutcome::Single) {
      EXPECT_EQ(state.out_address, lookup.addresses.front());
      EXPECT_EQ(state.out_pobox, lookup.pobox);
      EXPECT_EQ(state.out_office, lookup.office);
    }
  }
}

TEST(CodeSearchFixtureTest, BasicData) {
  check_lookups(
      kFixtures / "basic",
      {
          {u"1000001", SearchOutcome::Single, {u"東京都千代田区千代田"}},
          {u"0600042", SearchOutcome::Single, {u"北海道札幌市中央区大通西１～１９丁目"}},
          {u"0600000", SearchOutcome::Single, {u"北海道札幌市中央区"}},
          {u"1000005", SearchOutcome::Single, {u"東京都千代田区丸の内"}},
          {u"1630490", SearchOutcome::Single, {u"東京都新宿区西新宿新宿三井ビル"}},
          // A name the builder joined from two lines.
          {u"0640820",
           SearchOutcome::Several,
           {u"北海道札幌市中央区大通西２０～２８丁目",
            u"北海道札幌市中央区大通西宮の森一条１～５丁目", u"北海道札幌市中央区大通西円山西町"}},
          {u"0481601", SearchOutcome::Single, {u"北海道余市郡仁木町大江"}},
          // Post-office box and office name from the detail file.
          {u"1008691",
           SearchOutcome::Single,
           {u"東京都千代田区丸の内２丁目７－２"},
           u"東京中央郵便局私書箱第１号",
           u"テスト商事　株式会社"},
          {u"1009999", SearchOutcome::NotFound, {}},
      });
}

TEST(CodeSearchFixtureTest, HarderData) {
  check_lookups(
      kFixtures / "code_search",
      {
          {u"6020847", SearchOutcome::Single, {u"京都府京都市上京区寺町通今出川上る相生町"}},
          // Kyoto: a number stays behind the town name, a street direction goes before it.
          {u"6028216",
           SearchOutcome::Several,
           {u"京都府京都市上京区東町１丁目", u"京都府京都市上京区大宮通今出川下る東町"}},
          {u"6028310", SearchOutcome::Several, {}},  // empty parenthesis
          {u"6028311", SearchOutcome::Single, {u"京都府京都市上京区南町"}},
          {u"6028312", SearchOutcome::Single, {u"京都府京都市上京区西町"}},
          {u"6028313", SearchOutcome::Single, {u"京都府京都市上京区"}},
          {u"1000004", SearchOutcome::Single, {u"東京都千代田区大手町"}},
          {u"6028570",
           SearchOutcome::Single,
           {u"京都府京都市上京区下立売通新町西入薮ノ内町"},
           u"",
           u"京都府庁"},
          {u"1008692",
           SearchOutcome::Single,
           {u"東京都千代田区大手町１丁目３－１"},
           u"東京中央郵便局私書箱第２号",
           u"テスト商事　株式会社"},
      });
}

TEST(CodeSearchFixtureTest, RunOfThreeCodesGivesThreeTownAreas) {
  testing::LoadedDb loaded;
  ASSERT_TRUE(loaded.load(kFixtures / "code_search"));
  CodeSearchState state;
  state.in_code = u"1020072";
  EXPECT_EQ(sertch_kovari1(loaded.context(CallerMode::kWindow), state), SearchOutcome::Several);
  std::vector<std::u16string> addresses = state.res_address[1].rows(1, state.res_count[1]);
  std::sort(addresses.begin(), addresses.end());
  std::vector<std::u16string> expected = {u"東京都千代田区飯田橋", u"東京都千代田区富士見",
                                          u"東京都千代田区九段北"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(addresses, expected);
}

TEST(CodeSearchFixtureTest, PrefixSearchListsRowsOfTheResultList) {
  testing::LoadedDb loaded;
  ASSERT_TRUE(loaded.load(kFixtures / "code_search"));
  CodeSearchState state;
  state.in_code = u"102";
  ASSERT_EQ(sertch_kovari2(loaded.context(CallerMode::kWindow), state), SearchOutcome::PrefixList);
  EXPECT_EQ(state.list_mode, 1);
  std::vector<std::u16string> rows;
  for (const result_list::ResultRow& row :
       result_list::set_list1(loaded.db, prefix_hits(state), loaded.settings).rows) {
    rows.push_back(row.code + u"\t" + row.address);
  }
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows.back(), u"1020073\t東京都千代田区九段南");

  // The window's fallback: an unknown code lists the codes of its first three digits.
  state.in_code = u"1020099";
  EXPECT_EQ(sertch_kovari1(loaded.context(CallerMode::kWindow), state), SearchOutcome::PrefixList);
  EXPECT_EQ(state.in_code, u"102");
  EXPECT_EQ(state.res_count[1], 4);
}

}  // namespace
}  // namespace kovari::code_search
