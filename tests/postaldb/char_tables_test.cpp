#include "postaldb/char_tables.h"

#include <gtest/gtest.h>

#include "postaldb/load_test.h"
#include "settings/ini_file.h"
#include "text/sjis.h"

namespace kovari::postaldb {
namespace {

TEST(CharTablesTest, KanjiNumerals) {
  PostalTables t;
  set_table2(t);
  const struct {
    int n;
    std::u16string_view expected;
  } kCases[] = {
      {0, u"０"},      {1, u"一"},    {10, u"十"},   {11, u"十一"}, {20, u"二十"},  {23, u"二十三"},
      {49, u"四十九"}, {50, u"五十"}, {51, u"一"},   {60, u"十"},   {61, u"一一"},  {70, u"二十"},
      {73, u"二三"},   {80, u"三十"}, {90, u"四十"}, {99, u"四九"}, {100, u"五十"},
  };
  for (const auto& c : kCases) EXPECT_EQ(t.kanji_num[c.n], c.expected) << c.n;
  EXPECT_EQ(t.kanji_num_count, 100);
}

TEST(CharTablesTest, JiWords) {
  PostalTables t;
  set_table1(t);
  EXPECT_EQ(t.ji_word_count, 7);
  EXPECT_EQ(t.ji_word[1], u"阿字");
  EXPECT_EQ(t.ji_word[7], u"和字");
}

settings::Settings with_pairs(int count, bool text_section) {
  settings::Settings s = settings::default_settings();
  s.text_section_read = text_section;
  for (int k = 1; k <= count; ++k) {
    s.text_pairs.push_back({u"F" + std::u16string(1, static_cast<char16_t>(u'0' + k % 10)), u"T"});
  }
  return s;
}

TEST(CharTablesTest, UserPairsFollowTheFilePairs) {
  const struct {
    int file_pairs, user_pairs;
    bool text_section;
    int chr_count, dropped;
  } kCases[] = {
      {2, 3, true, 5, 0},
      {0, 3, true, 3, 0},   // empty detail file: the user's pairs start at slot 1
      {2, 0, false, 0, 0},  // no "[Text]": not even the file's pairs apply
      {2, 0, true, 2, 0},
      {98, 5, true, 100, 3},  // at most 100 in all
      {120, 1, true, 120, 1},
  };
  for (const auto& c : kCases) {
    PostalTables t;
    t.chr_file_pairs.assign(c.file_pairs, {u"甲", u"乙"});
    const int dropped = set_replacement_pairs(with_pairs(c.user_pairs, c.text_section), t);
    EXPECT_EQ(t.chr_count, c.chr_count) << c.file_pairs << "+" << c.user_pairs;
    EXPECT_EQ(dropped, c.dropped);
    ASSERT_GE(t.chr_from.size(), static_cast<std::size_t>(c.chr_count) + 1);
    if (c.user_pairs > c.dropped) {
      EXPECT_EQ(t.chr_from[c.file_pairs + 1], u"F1");
    }
  }
}

TEST(CharTablesTest, RebuildingAfterAnEditKeepsTheFilePairs) {
  PostalTables t;
  t.chr_file_pairs = {{u"ヶ", u"ケ"}, {u"之", u"の"}};
  set_replacement_pairs(with_pairs(3, true), t);
  set_replacement_pairs(with_pairs(1, true), t);
  EXPECT_EQ(t.chr_count, 3);
  EXPECT_EQ(t.chr_from, (std::vector<std::u16string>{u"", u"ヶ", u"之", u"F1"}));
  EXPECT_EQ(t.chr_to, (std::vector<std::u16string>{u"", u"ケ", u"の", u"T"}));
}

class CharPairsLoadTest : public testing::LoadTest {};

TEST_F(CharPairsLoadTest, WithoutTextSectionNoPairApplies) {
  ASSERT_TRUE(load(testing::sample_data()).ok());
  EXPECT_EQ(db_.tables.chr_count, 0);
  EXPECT_EQ(db_.tables.chr_file_pairs[1].first, u"之");  // read, but not in use
}

TEST_F(CharPairsLoadTest, SettingsPairsAreNumberedAfterTheFilePairs) {
  ASSERT_TRUE(load(testing::sample_data(), *text::encode_sjis(u"[Text]\r\n\"ﾉ\",\"之\"\r\n")).ok());
  EXPECT_EQ(db_.tables.chr_count, 3);
  EXPECT_EQ(db_.tables.chr_from[2], u"之");
  EXPECT_EQ(db_.tables.chr_from[3], u"ﾉ");
  EXPECT_EQ(db_.tables.chr_to[3], u"之");
}

TEST_F(CharPairsLoadTest, PairsBeyondTheTableAreReported) {
  testing::FixtureData data = testing::sample_data();
  data.chr_pairs.assign(99, {u"甲", u"乙"});
  ASSERT_TRUE(settings::put_ini_file(dir_ / "kovaritbl.ini", with_pairs(3, true)));
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.tables.chr_count, 100);
  EXPECT_EQ(settings_.text_pairs.size(), 3u);  // kept for saving
  ASSERT_EQ(host_.statuses.size(), 1u);
  EXPECT_EQ(host_.statuses[0], u"文字置換は合計１００件までのため、登録の２件は使用しません。");
}

}  // namespace
}  // namespace kovari::postaldb
