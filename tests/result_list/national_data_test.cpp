// The result list over the national data files built into the program's
// folder; skipped when they have not been built.
#include <gtest/gtest.h>

#include <filesystem>

#include "result_list/list_builders.h"
#include "result_list/list_controls.h"
#include "result_list/narrowing.h"
#include "session/convert_code.h"
#include "support/loaded_session.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::result_list {
namespace {

class ResultListNationalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) {
      GTEST_SKIP() << "the national data files have not been built";
    }
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }

  // The record ranges of the city row of `pref` & `name1` & `name2`, as the
  // address-to-code window computes them for its municipality list.
  MunicipalityRange range_of(std::u16string_view pref, std::u16string_view name1,
                             std::u16string_view name2) {
    const postaldb::PostalTables& t = loaded.session.db.tables;
    const postaldb::Directory& dir = loaded.session.db.dir;
    for (int r = 1; r <= dir.city_count; ++r) {
      if (t.city_name1[r] != name1 || t.city_name2[r] != name2) continue;
      if (text::trim_view(t.pref_name[pref_of(r)]) != pref) continue;
      MunicipalityRange range;
      range.town_first = t.city_pos1[r] + 1;
      range.detail_first = t.city_pos2[r] + 1;
      range.town_last = r < dir.city_count ? t.city_pos1[r + 1] : dir.town_end1;
      range.detail_last = r < dir.city_count ? t.city_pos2[r + 1] : dir.town_end2;
      return range;
    }
    ADD_FAILURE() << "no city row " << text::to_utf8(name1) << text::to_utf8(name2);
    return {};
  }

  int pref_of(int city) const {
    const postaldb::PostalTables& t = loaded.session.db.tables;
    int pref = 0;
    for (int p = 1; p <= loaded.session.db.dir.pref_count; ++p) {
      if (t.pref_first_city[p] <= city) pref = p;
    }
    return pref;
  }

  kovari::testing::LoadedSession loaded;
};

TEST_F(ResultListNationalTest, ThreeDigitsListTheirAreaWithItsCount) {
  const CodeOutcome found = convert_code(loaded.session, loaded.host, u"100", CallerMode::kWindow);
  ASSERT_EQ(found.result, code_search::SearchOutcome::PrefixList);
  const ResultList& list = found.prefix_list;
  EXPECT_GT(list.count, 400);
  EXPECT_LT(list.count, 1000);
  EXPECT_FALSE(list.over_limit);
  for (const ResultRow& row : list.rows) {
    EXPECT_TRUE(row.code.starts_with(u"100")) << text::to_utf8(row.text);
    EXPECT_TRUE(row.text.starts_with(row.code + u"\t東京都")) << text::to_utf8(row.text);
  }
  const ListControls controls = list_controls(list, NarrowState::Full);
  EXPECT_FALSE(controls.note_visible);
  EXPECT_FALSE(controls.narrow_visible);
}

TEST_F(ResultListNationalTest, TheCatchAllTownAreaHasNoHeaderAndLeadsEveryNarrowedList) {
  const ResultList list = set_list2(loaded.session.db, range_of(u"北海道", u"余市郡", u"仁木町"),
                                    loaded.session.settings);
  // Two offices and the separator come first.
  ASSERT_EQ(list.below_row, 4);
  EXPECT_EQ(list.rows[0].text, u"0482492\t\t仁木町役場");
  EXPECT_EQ(list.rows[2].kind, RowKind::Separator);
  EXPECT_EQ(list.rows[4].text, u"0482401\t【 ア】\t北海道余市郡仁木町旭台");
  EXPECT_FALSE(list.over_limit);
  const ResultRow& catch_all = list.rows[list.below_row - 1];
  EXPECT_EQ(catch_all.text, u"0482400\t\t北海道余市郡仁木町以下に掲載がない場合");
  const std::optional<NarrowedList> narrowed = narrow_list(list, u"長沢", loaded.session.settings);
  ASSERT_TRUE(narrowed);
  ASSERT_GE(narrowed->rows.size(), 3u);
  EXPECT_EQ(narrowed->rows[0].text, catch_all.text);
  EXPECT_EQ(narrowed->rows[1].text, u"0482332\t【 ナ】\t北海道余市郡仁木町長沢西");
  EXPECT_EQ(narrowed->rows[2].text, u"0482333\t\t北海道余市郡仁木町長沢南");
}

TEST_F(ResultListNationalTest, ChiyodaListsItsOfficesFirstAndStopsAtAThousandRows) {
  const ResultList list =
      set_list2(loaded.session.db, range_of(u"東京都", u"千代田区", u""), loaded.session.settings);
  ASSERT_EQ(list.rows.size(), 1000u);
  EXPECT_TRUE(list.over_limit);
  EXPECT_TRUE(list_controls(list, NarrowState::Full).note_visible);
  std::size_t separator = 0;
  while (separator < list.rows.size() && list.rows[separator].kind == RowKind::Detail) ++separator;
  ASSERT_LT(separator, list.rows.size());
  EXPECT_GT(separator, 100u);
  EXPECT_EQ(list.rows[separator].kind, RowKind::Separator);
  for (std::size_t i = separator + 1; i < list.rows.size(); ++i) {
    EXPECT_EQ(list.rows[i].kind, RowKind::TownArea);
    EXPECT_TRUE(list.rows[i].address.starts_with(u"東京都千代田区"));
  }
}

}  // namespace
}  // namespace kovari::result_list
