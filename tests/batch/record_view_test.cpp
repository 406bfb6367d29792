#include "batch/record_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::batch {
namespace {

using Rows = std::vector<std::u16string>;

TEST(RecordViewTest, ThePickStartsAtTheFirstUnsetPosition) {
  const struct {
    std::u16string positions[4];
    PickState state;
  } cases[] = {
      {{u"0", u"0", u"0", u"0"}, PickState::kCode},
      {{u"3", u"0", u"0", u"0"}, PickState::kAddress1},
      {{u"3", u"4", u"0", u"5"}, PickState::kAddress2},
      {{u"3", u"4", u"5", u"0"}, PickState::kAddress3},
      {{u"3", u"4", u"5", u"6"}, PickState::kNone},
      {{u"", u"4", u"5", u"6"}, PickState::kCode},
  };
  for (const auto& c : cases) EXPECT_EQ(first_pick_state(c.positions), c.state);
}

TEST(RecordViewTest, RowsNumberTheItemsAfterTheSkipRow) {
  RecordBuffer rec;
  EXPECT_EQ(split_line(u"1000001,東京都,\"千代田区,千代田\"", rec), 3);
  EXPECT_EQ(record_view_rows(rec, 3, PickState::kAddress1),
            (Rows{u"（項目選択をスキップする場合ここをクリック）", u"０１列： 1000001",
                  u"０２列： 東京都", u"０３列： 千代田区,千代田"}));
  // With every position set there is no skip row.
  EXPECT_EQ(record_view_rows(rec, 1, PickState::kNone), (Rows{u"０１列： 1000001"}));
  EXPECT_EQ(pick_instruction(PickState::kAddress1),
            u"住所１の項目を選択（ダブルクリック）して下さい");
  EXPECT_EQ(pick_instruction(PickState::kNone), u"");
}

TEST(RecordViewTest, ShowsTheChosenLineOrTheLastOne) {
  const std::u16string text = u"a,b\r\nc,d,e\r\nf\r\n\r\n";
  const struct {
    long view_line;
    int count;
    std::u16string first;
  } cases[] = {{1, 2, u"a"}, {2, 3, u"c"}, {3, 1, u"f"}, {4, 1, u"f"}, {99, 1, u"f"}};
  for (const auto& c : cases) {
    RecordBuffer rec;
    EXPECT_EQ(view_line_items(text, c.view_line, rec), c.count) << c.view_line;
    EXPECT_EQ(rec[1], c.first) << c.view_line;
  }
  // A line of more than 50 items shows 50.
  std::u16string wide;
  for (int k = 1; k <= 60; ++k) wide += u"x,";
  RecordBuffer rec;
  EXPECT_EQ(view_line_items(wide, 1, rec), kViewItemLimit);
}

TEST(RecordViewTest, EachPickSetsItsFieldAndMovesOn) {
  const struct {
    PickState state;
    int row;
    Focus field;
    int position;
    PickState next;
  } cases[] = {
      {PickState::kCode, 2, Focus::kCodePosition, 2, PickState::kAddress1},
      {PickState::kAddress1, 0, Focus::kAddress1Position, 0, PickState::kAddress2},
      {PickState::kAddress2, 3, Focus::kAddress2Position, 3, PickState::kAddress3},
      {PickState::kAddress3, -1, Focus::kAddress3Position, 0, PickState::kNone},
  };
  for (const auto& c : cases) {
    const std::optional<Pick> pick = pick_row(c.state, c.row);
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->field, c.field);
    EXPECT_EQ(pick->position, c.position);
    EXPECT_EQ(pick->next, c.next);
  }
  EXPECT_FALSE(pick_row(PickState::kNone, 1));
}

}  // namespace
}  // namespace kovari::batch
