#include "text/name_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "text/vb.h"

namespace kovari::text {
namespace {

TEST(NameIndexTest, RowsOfTheNamesThatMayOccur) {
  const NameIndex::Names first = {u"", u"丸の内ﾋﾞﾙ", u" ﾀﾜｰ ", u"", u"芝"};
  const NameIndex::Names second = {u"", u"丸ﾋﾞﾙ", u"幕張ﾀﾜｰ", u"   ", u"ﾛｳﾋﾞﾙ"};
  const NameIndex index({first, second});
  const struct {
    std::u16string_view text;
    std::vector<int> rows;
  } kCases[] = {
      {u"千代田区丸の内ﾋﾞﾙ5階", {1}},  // 丸の and 丸ﾋ share no pair: one row, once
      {u"丸ﾋﾞﾙ", {1}},
      {u"幕張ﾀﾜｰ芝", {2, 4}},        // a blank-padded name and a one-character name
      {u"ﾀﾜ", {2}},                  // the pair is enough; the search decides
      {u"ﾛｳﾋﾞﾙﾀﾜｰ丸の", {1, 2, 4}},  // ascending whatever the order in the text
      {u"ﾀ", {}},                    // one character holds no pair
      {u"", {}},
      {u"大阪府大阪市北区", {}},
  };
  std::vector<int> rows = {99};  // cleared by the lookup
  for (const auto& c : kCases) {
    index.rows_in(c.text, rows);
    EXPECT_EQ(rows, c.rows) << c.text.size();
  }
}

// Names whose first pairs share a slot of the index (Ax and B` do under its
// hash) are still told apart by their pairs.
TEST(NameIndexTest, PairsSharingASlotAreToldApart) {
  const NameIndex::Names names = {u"", u"Ax1", u"B`2", u"Ay3"};
  const NameIndex index({names});
  const struct {
    std::u16string_view text;
    std::vector<int> rows;
  } kCases[] = {{u"B`", {2}},
                {u"zAx", {1}},
                {u"AxB`Ay", {1, 2, 3}},
                {u"AB`", {2}},
                {u"..........B`....Ax", {1, 2}}};  // past the first eight pairs
  std::vector<int> rows;
  for (const auto& c : kCases) {
    index.rows_in(c.text, rows);
    EXPECT_EQ(rows, c.rows) << c.text.size();
  }
}

// Whatever the names and the text, every name that occurs in the text has its
// row among the rows found.
TEST(NameIndexTest, NoOccurringNameIsMissed) {
  std::mt19937 random(7);
  const std::u16string_view alphabet = u"ab 丸市";
  const auto some_text = [&](int longest) {
    std::u16string s(random() % (longest + 1), u' ');
    for (char16_t& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 200; ++round) {
    NameIndex::Names names(12);
    for (std::u16string& name : names) name = some_text(4);
    const NameIndex index({names});
    const std::u16string text = some_text(24);  // past a block of eight pairs too
    std::vector<int> rows;
    index.rows_in(text, rows);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end());
    for (int r = 0; r < static_cast<int>(names.size()); ++r) {
      const std::u16string_view name = trim_view(names[r]);
      if (name.empty() || InStr(text, name) == 0) continue;
      EXPECT_TRUE(std::binary_search(rows.begin(), rows.end(), r)) << round << " row " << r;
    }
  }
}

}  // namespace
}  // namespace kovari::text
