#include "code_search/search_state.h"

#include <gtest/gtest.h>

namespace kovari::code_search {
namespace {

TEST(ResultColumnTest, RowsAreEmptyUntilWritten) {
  ResultColumn column;
  const ResultColumn& unchanged = column;
  EXPECT_EQ(unchanged[1], u"");
  EXPECT_EQ(unchanged[kMaxResults], u"");
  column[3] = u"三";
  EXPECT_EQ(unchanged[3], u"三");
  EXPECT_EQ(unchanged[2], u"");
  EXPECT_EQ(column.rows(2, 4), (std::vector<std::u16string>{u"", u"三", u""}));
}

TEST(ResultColumnTest, RowsOutsideTheTableTakeNoWrite) {
  ResultColumn column;
  for (int n : {-1, kMaxResults + 1, 1 << 30}) {
    column[n] = u"x";
    EXPECT_EQ(static_cast<const ResultColumn&>(column)[n], u"") << n;
  }
  column[kMaxResults] = u"last";
  EXPECT_EQ(column.rows(kMaxResults - 1, kMaxResults + 5),
            (std::vector<std::u16string>{u"", u"last"}));
  EXPECT_EQ(ResultColumn::size(), kMaxResults + 1);
}

}  // namespace
}  // namespace kovari::code_search
