// What the record view decides: one line of a batch input file as numbered
// item rows, and which position of the address-to-code window the next
// double-click on a row sets (the old code, then 住所１, 住所２, 住所３).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/item_reader.h"
#include "host/focus.h"

namespace kovari::batch {

// pick_state: which position the next double-click sets.
enum class PickState { kCode = 1, kAddress1 = 2, kAddress2 = 3, kAddress3 = 4, kNone = 9 };

// The first position whose field holds 0, in the order old code, 住所１,
// 住所２, 住所３ (the fields' texts, by their value); kNone when all are set.
PickState first_pick_state(const std::u16string (&positions)[4]);

// The instruction line for a state (empty for kNone).
std::u16string_view pick_instruction(PickState state);

// The row that stands for position 0, shown while a pick is due.
inline constexpr std::u16string_view kSkipRow = u"（項目選択をスキップする場合ここをクリック）";

// The list's rows: the skip row (unless kNone), then for each item k of
// rec_item(1..item_count) "０１列： " and the item, so that row k stands for
// item k.
std::vector<std::u16string> record_view_rows(const RecordBuffer& rec_item, int item_count,
                                             PickState state);

// The most items a viewed line shows.
inline constexpr int kViewItemLimit = 50;

// show_file: splits line `view_line` (from 1) of the text into rec_item, or
// the last line when the text has fewer (blank lines at the end are not
// lines of records). Returns the number of items shown, at most 50.
int view_line_items(std::u16string_view text, long view_line, RecordBuffer& rec_item);

// A double-click on row `row`: the position field it sets and the value,
// and the state after it (the window closes after kNone). Nothing while no
// pick is due.
struct Pick {
  Focus field;
  int position;
  PickState next;
};
std::optional<Pick> pick_row(PickState state, int row);

}  // namespace kovari::batch
