#include "resolve/condition_names.h"

#include <gtest/gtest.h>

#include "postaldb/fixed_tables.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

KanjiNumerals kanji_numerals() {
  KanjiNumerals table;
  for (std::size_t n = 0; n < table.size(); ++n) table[n] = postaldb::kKanjiNumerals[n];
  return table;
}

ConditionAddress address(std::u16string_view town, double p5 = 0, double p6 = 0) {
  ConditionAddress a;
  a.town = town;
  a.p5 = p5;
  a.p6 = p6;
  return a;
}

TEST(ConditionNamesTest, PrefixIsTheTextBeforeTheFirstNumber) {
  struct Case {
    const char16_t *condition, *expected_condition, *expected_prefix;
  } const kCases[] = {
      {u"東1線~5線", u"1線~5線", u"東"},     {u" 第2地割", u"2地割", u"第"},
      {u"12番地", u"12番地", u""},           {u"その他", u"その他", u""},
      {u"0線南~9線南", u"0線南~9線南", u""}, {u"第9地割~第11地割", u"9地割~11地割", u"第"},
  };
  for (const auto& c : kCases) {
    std::u16string condition = c.condition, prefix;
    split_condition_prefix(condition, prefix);
    EXPECT_EQ(condition, c.expected_condition) << text::to_utf8(c.condition);
    EXPECT_EQ(prefix, c.expected_prefix) << text::to_utf8(c.condition);
  }
}

TEST(ConditionNamesTest, NorthSouthHalfIsTheFirstHalfNamed) {
  struct Case {
    const char16_t *condition, *town;
    bool expected;
  } const kCases[] = {
      {u"南", u"大通南", true},  {u"南", u"北大通南", true}, {u"南", u"南北", false},
      {u"南", u"大通東", false}, {u"北", u"北", true},       {u"南西", u"南西", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(match_north_south(c.condition, address(c.town)), c.expected)
        << text::to_utf8(c.condition) << " " << text::to_utf8(c.town);
  }
}

TEST(ConditionNamesTest, SenAndKuNamesCarryTheirNumberInKanji) {
  const KanjiNumerals kanji = kanji_numerals();
  EXPECT_TRUE(match_sen_condition(u"東", u"1線", u"", address(u"東一線"), kanji));
  EXPECT_FALSE(match_sen_condition(u"東", u"1線", u"", address(u"東二線"), kanji));
  EXPECT_TRUE(match_sen_condition(u"旭", u"2線", u"東", address(u"旭東二線"), kanji));
  EXPECT_TRUE(match_sen_condition(u"東", u"1線5~8", u"", address(u"東一線", 6), kanji));
  EXPECT_TRUE(match_sen_condition(u"東", u"1線5~8", u"", address(u"東一線", 1, 8), kanji));
  EXPECT_FALSE(match_sen_condition(u"東", u"1線5~8", u"", address(u"東一線", 0, 6), kanji));
  EXPECT_FALSE(match_sen_condition(u"東", u"1線5~8", u"", address(u"東一線", 9, 9), kanji));
  EXPECT_TRUE(match_ku_condition(u"月寒", u"3区", address(u"月寒三区"), kanji));
  EXPECT_FALSE(match_ku_condition(u"月寒", u"3区", address(u"月寒四区"), kanji));
}

TEST(ConditionNamesTest, LineNameRangeCoversTheTenNames) {
  EXPECT_TRUE(match_line_name_range(u"生振", u"0線南~9線南", 4, address(u"生振三線南")));
  EXPECT_TRUE(match_line_name_range(u"生振村", u"0線南~9線南", 4, address(u"生振村０線南")));
  EXPECT_FALSE(match_line_name_range(u"生振", u"0線南~9線南", 4, address(u"生振十線南")));
  EXPECT_FALSE(match_line_name_range(u"花畔", u"0線南~9線南", 4, address(u"花畔三線南")));
}

}  // namespace
}  // namespace kovari::resolve
