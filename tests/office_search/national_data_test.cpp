// The office-name search over the national data files built into the
// program's folder; skipped when they have not been built.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "office_search/office_name.h"
#include "office_search/office_search.h"
#include "result_list/list_builders.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::office_search {
namespace {

class OfficeSearchNationalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) {
      GTEST_SKIP() << "the national data files have not been built";
    }
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }
  const postaldb::PostalDb& db() const { return loaded.session.db; }

  OfficeSearchOutcome search(std::u16string_view text, MatchMode mode) {
    return kensaku_syori(store, db(), host, text, mode);
  }

  // The listed offices: code and office name, each office's name in the
  // normal form the search compares.
  struct Listed {
    std::vector<std::u16string> codes, names;
  };
  Listed listed(const OfficeSearchOutcome& found) {
    Listed out;
    const result_list::ResultList list =
        result_list::set_list4(db(), found.office_hit, found.office_over, loaded.session.settings);
    const postaldb::PostalTables& t = db().tables;
    for (const result_list::ResultRow& row : list.rows) {
      std::u16string name = row.office;
      seikika1(name);
      seikika2(name, std::span<const std::u16string>(t.word).subspan(1, t.word_count2));
      out.codes.push_back(row.code);
      out.names.push_back(name);
    }
    return out;
  }

  kovari::testing::LoadedSession loaded;
  kovari::testing::RecordingHost host;
  kovari::testing::TempFolder folder;
  OfficeIndexStore store{folder.path() / "ooguchi_index.csv", std::nullopt};
};

TEST_F(OfficeSearchNationalTest, EachModeListsTheOfficesWhoseNamesMatch) {
  const OfficeSearchOutcome exact = search(u"東京中央郵便局", MatchMode::kExact);
  EXPECT_EQ(listed(exact).codes, std::vector<std::u16string>{u"1008994"});

  const OfficeSearchOutcome partial = search(u"郵便局", MatchMode::kPartial);
  const Listed in_name = listed(partial);
  EXPECT_GE(in_name.names.size(), 5u);
  EXPECT_FALSE(partial.office_over);
  for (const std::u16string& name : in_name.names) {
    EXPECT_NE(name.find(u"郵便局"), std::u16string::npos) << text::to_utf8(name);
  }
  EXPECT_NE(std::find(in_name.codes.begin(), in_name.codes.end(), u"1008994"), in_name.codes.end());

  const Listed at_start = listed(search(u"株式会社 郵便局", MatchMode::kPrefix));
  EXPECT_FALSE(at_start.names.empty());
  EXPECT_LT(at_start.names.size(), in_name.names.size());
  for (const std::u16string& name : at_start.names) {
    EXPECT_TRUE(name.starts_with(u"郵便局")) << text::to_utf8(name);
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(OfficeSearchNationalTest, AWideSearchStopsAt500OfficesAndSaysSo) {
  const OfficeSearchOutcome found = search(u"東京", MatchMode::kPartial);
  ASSERT_EQ(found.result, OfficeSearchResult::kFound);
  EXPECT_TRUE(found.office_over);
  EXPECT_EQ(host.boxes, std::vector<std::u16string>{
                            u"情報メッセージ|大口事業所名検索のデータ抽出で規定件数を超えました。"
                            u"\r\n処理を続行します。\r\n"});
  EXPECT_LE(found.office_hit.size(), static_cast<std::size_t>(kMaxOffices));
  EXPECT_TRUE(std::adjacent_find(found.office_hit.begin(), found.office_hit.end(),
                                 std::greater_equal<>()) == found.office_hit.end());
  for (const std::u16string& name : listed(found).names) {
    EXPECT_NE(name.find(u"東京"), std::u16string::npos) << text::to_utf8(name);
  }
  const result_list::ResultList list =
      result_list::set_list4(db(), found.office_hit, found.office_over, loaded.session.settings);
  EXPECT_TRUE(list.over_limit);
}

TEST_F(OfficeSearchNationalTest, EveryStepKeepsToItsLimit) {
  const OfficeIndex index = read_name_table(db(), host).value();
  const NameHits names = select_text(index, u"ア", MatchMode::kPartial);
  EXPECT_EQ(names.hits.size(), static_cast<std::size_t>(kMaxNames));
  EXPECT_TRUE(names.over);

  // 1500 entries of the record-position table for one name: 1000 are read.
  const NameHits many{{{0, 1500}}, false};
  const Positions collected = get_address(db(), many);
  EXPECT_EQ(collected.positions.size(), static_cast<std::size_t>(kMaxPositions));
  EXPECT_TRUE(collected.over);
  const Positions sorted = sort_address(collected);
  EXPECT_EQ(sorted.positions.size(), static_cast<std::size_t>(kMaxOffices));
  EXPECT_TRUE(std::is_sorted(sorted.positions.begin(), sorted.positions.end()));

  // Within the limits nothing is reported.
  const Positions few = sort_address(get_address(db(), NameHits{{{0, 3}, {0, 3}}, false}));
  EXPECT_EQ(few.positions.size(), 3u);  // the same records twice: each once
  EXPECT_FALSE(few.over);
}

}  // namespace
}  // namespace kovari::office_search
