// The office-name search over the basic fixture, whose detail file holds five
// office names (one of them shared by two records).
#include "office_search/office_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "result_list/list_builders.h"
#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::office_search {
namespace {

using kovari::testing::RecordingHost;

constexpr std::u16string_view kQuestion =
    u"問い合わせメッセージ|大口事業所名検索のために検索用テーブルを作成します。\r\n"
    u"今回限りの処理であり、処理時間は約２０秒です。\r\n";

class OfficeSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(kovari::testing::fixture_folder("basic"))); }

  OfficeSearchOutcome search(std::u16string_view text, MatchMode mode = MatchMode::kPartial) {
    return kensaku_syori(store, loaded.session.db, host, text, mode);
  }

  // The codes and office names of the records found, as the result list shows them.
  std::vector<std::u16string> listed(const OfficeSearchOutcome& found) {
    const result_list::ResultList list = result_list::set_list4(
        loaded.session.db, found.office_hit, found.office_over, loaded.session.settings);
    std::vector<std::u16string> rows;
    for (const result_list::ResultRow& row : list.rows) rows.push_back(row.text);
    return rows;
  }

  kovari::testing::LoadedSession loaded;
  kovari::testing::TempFolder folder;
  RecordingHost host;
  OfficeIndexStore store{folder.path() / "ooguchi_index.csv", std::nullopt};
};

TEST_F(OfficeSearchTest, TheFirstSearchAsksThenMakesTheIndexFile) {
  const OfficeSearchOutcome found = search(u"テスト商事");
  ASSERT_EQ(host.questions, std::vector<std::u16string>{std::u16string(kQuestion)});
  EXPECT_EQ(host.progress_captions,
            std::vector<std::u16string>{u"ソラト郵便番号　大口事業所名検索用テーブル作成中!!"});
  EXPECT_EQ(found.result, OfficeSearchResult::kFound);
  EXPECT_EQ(found.message, kMsgEnterName);
  EXPECT_EQ(listed(found), std::vector<std::u16string>{u"1008691\tテスト商事　株式会社"});
  EXPECT_EQ(host.statuses,
            (std::vector<std::u16string>{u"大口事業所名を抽出中。", u"大口事業所名データ抽出完了。",
                                         u"大口事業所名データ名寄せ完了。"}));
  EXPECT_TRUE(std::filesystem::exists(store.path));

  // Later searches, in this run or the next, read the index without asking.
  search(u"札幌");
  OfficeIndexStore next_run{store.path, std::nullopt};
  EXPECT_EQ(kensaku_syori(next_run, loaded.session.db, host, u"札幌", MatchMode::kPartial).result,
            OfficeSearchResult::kFound);
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(OfficeSearchTest, MatchesInTheNormalFormOfTheStoredNames) {
  const struct {
    std::u16string_view text;
    MatchMode mode;
    std::vector<std::u16string> rows;
  } cases[] = {
      // Words of the word table, blanks, "・" and small kana do not count.
      {u"株式会社 ジェイ・アール・ティー",
       MatchMode::kExact,
       {u"1638001\tジェイ・アール・ティー株式会社", u"1638002\tジェイ・アール・ティー株式会社"}},
      {u"ｼﾞｪｲｱｰﾙ",
       MatchMode::kPrefix,
       {u"1638001\tジェイ・アール・ティー株式会社", u"1638002\tジェイ・アール・ティー株式会社"}},
      {u"アール", MatchMode::kPrefix, {}},
      {u"アール",
       MatchMode::kPartial,
       {u"1638001\tジェイ・アール・ティー株式会社", u"1638002\tジェイ・アール・ティー株式会社"}},
      {u"北海道新聞社", MatchMode::kExact, {u"0608711\t株式会社　北海道新聞社"}},
      {u"北海道新聞", MatchMode::kExact, {}},
      {u"ABC", MatchMode::kPrefix, {u"1008692\tＡＢＣトレーディング"}},
      {u"abc", MatchMode::kPrefix, {}},  // letters keep their case
      // The text is no pattern: "*" and "?" are characters like any other.
      {u"*", MatchMode::kPartial, {}},
      {u"テスト?", MatchMode::kPrefix, {}},
  };
  for (const auto& c : cases) {
    const OfficeSearchOutcome found = search(c.text, c.mode);
    EXPECT_EQ(listed(found), c.rows) << text::to_utf8(c.text);
    EXPECT_EQ(found.result,
              c.rows.empty() ? OfficeSearchResult::kNotFound : OfficeSearchResult::kFound)
        << text::to_utf8(c.text);
    if (c.rows.empty()) {
      EXPECT_EQ(found.message, kMsgNotFound);
    }
    EXPECT_FALSE(found.office_over);
  }
}

TEST_F(OfficeSearchTest, ATextOfNothingButBlanksDotsOrAWordIsAnInputError) {
  EXPECT_EQ(search(u"  ").result, OfficeSearchResult::kNoText);  // nothing typed: no message
  for (const std::u16string_view text : {u"　", u"・　・", u"株式会社", u" （株） "}) {
    const OfficeSearchOutcome found = search(text);
    EXPECT_EQ(found.result, OfficeSearchResult::kInputError) << text::to_utf8(text);
    EXPECT_EQ(found.message, kMsgBadName);
  }
  EXPECT_TRUE(host.questions.empty());  // no index is needed for that
}

TEST_F(OfficeSearchTest, DecliningTheIndexStopsTheSearchAndListsNothing) {
  ASSERT_EQ(search(u"テスト商事").result, OfficeSearchResult::kFound);
  std::filesystem::remove(store.path);
  RecordingHost declining(false);
  OfficeIndexStore next_run{store.path, std::nullopt};
  const OfficeSearchOutcome found =
      kensaku_syori(next_run, loaded.session.db, declining, u"テスト商事", MatchMode::kPartial);
  EXPECT_EQ(declining.questions.size(), 1u);
  EXPECT_EQ(declining.boxes, std::vector<std::u16string>{u"|検索処理を中断します"});
  // Not the hits of the search before: nothing.
  EXPECT_EQ(found.result, OfficeSearchResult::kNotFound);
  EXPECT_EQ(found.message, kMsgNotFound);
  EXPECT_TRUE(found.office_hit.empty());
  EXPECT_FALSE(std::filesystem::exists(store.path));
}

TEST_F(OfficeSearchTest, AnIndexFileThatCannotBeWrittenIsReportedAndTheSearchGoesOn) {
  store.path = folder.path() / "missing" / "ooguchi_index.csv";
  EXPECT_EQ(search(u"テスト商事").result, OfficeSearchResult::kFound);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.boxes[0].starts_with(u"注意メッセージ|" + text::from_utf8(store.path.string()) +
                                        u"\r\n"));
  // The index made stays in use: no second question, no second message.
  EXPECT_EQ(search(u"札幌").result, OfficeSearchResult::kFound);
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(OfficeSearchTest, ADamagedOrForeignIndexFileIsMadeAgain) {
  search(u"テスト商事");
  const std::vector<std::string> replacements = {
      "",  // empty
      "\"0.0.1\",\"x\",\"y\"\r\n",
  };
  for (const std::string& content : replacements) {
    std::ofstream(store.path, std::ios::binary | std::ios::trunc) << content;
    OfficeIndexStore next_run{store.path, std::nullopt};
    EXPECT_EQ(kensaku_syori(next_run, loaded.session.db, host, u"札幌", MatchMode::kPartial).result,
              OfficeSearchResult::kFound);
  }
  EXPECT_EQ(host.questions.size(), 3u);
}

}  // namespace
}  // namespace kovari::office_search
