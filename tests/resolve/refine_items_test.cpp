#include "resolve/refine_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::resolve {
namespace {

PartialMatches list_of(const std::vector<std::pair<std::u16string, char>>& entries, int seen) {
  PartialMatches list;
  int n = 0;
  for (const auto& [paren, kind] : entries) {
    list.part_match_name.push_back(u"本町");
    list.part_match_paren.push_back(paren);
    list.part_match_code.push_back("100000" + std::to_string(++n));
    list.part_match_kind.push_back(kind);
    ++list.part_match_count;
  }
  list.part_match_seen = seen;
  return list;
}

std::vector<std::u16string> conditions(const std::vector<ConditionItem>& items) {
  std::vector<std::u16string> out;
  for (const ConditionItem& item : items) out.push_back(item.condition + u"/" + item.code);
  return out;
}

TEST(RefineItemsTest, BracketedPartsAreCutIntoConditions) {
  const PartialMatches list =
      list_of({{u"（１～３丁目、５丁目、）", '0'}, {u"（その他）", '0'}}, 0);
  EXPECT_EQ(
      conditions(collect_condition_items(list)),
      (std::vector<std::u16string>{u"１～３丁目/1000001", u"５丁目/1000001", u"その他/1000002"}));
}

TEST(RefineItemsTest, PrefixEntriesAreLeftOutOnceABetterOneWasSeen) {
  const PartialMatches list = list_of({{u"（１丁目）", '0'}, {u"（２丁目）", '1'}}, 1);
  EXPECT_EQ(conditions(collect_condition_items(list)),
            (std::vector<std::u16string>{u"２丁目/1000002"}));
}

TEST(RefineItemsTest, OrderIsKindFirstThenConditionTextDescending) {
  const PartialMatches list = list_of(
      {{u"（１丁目）", '0'}, {u"（その他）", '0'}, {u"（３丁目）", '2'}, {u"（２丁目）", '0'}}, 0);
  std::vector<ConditionItem> items = collect_condition_items(list);
  order_condition_items(items);
  // Full-width digits (U+FF10..) sort above hiragana: "その他" comes last.
  EXPECT_EQ(conditions(items), (std::vector<std::u16string>{u"３丁目/1000003", u"２丁目/1000004",
                                                            u"１丁目/1000001", u"その他/1000002"}));
}

TEST(RefineItemsTest, AtMostAHundredConditions) {
  std::u16string paren = u"（";
  for (int i = 0; i < 150; ++i) paren += u"１番地、";
  paren += u"）";
  EXPECT_EQ(collect_condition_items(list_of({{paren, '0'}}, 0)).size(), 100u);
}

}  // namespace
}  // namespace kovari::resolve
