#include "batch/record_view.h"

#include <algorithm>

#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

PickState first_pick_state(const std::u16string (&positions)[4]) {
  for (int k = 0; k < 4; ++k) {
    if (text::Val(positions[k]) == 0) return static_cast<PickState>(k + 1);
  }
  return PickState::kNone;
}

std::u16string_view pick_instruction(PickState state) {
  switch (state) {
    case PickState::kCode:
      return u"旧郵便番号の項目を選択（ダブルクリック）して下さい";
    case PickState::kAddress1:
      return u"住所１の項目を選択（ダブルクリック）して下さい";
    case PickState::kAddress2:
      return u"住所２の項目を選択（ダブルクリック）して下さい";
    case PickState::kAddress3:
      return u"住所３の項目を選択（ダブルクリック）して下さい";
    case PickState::kNone:
      break;
  }
  return u"";
}

std::vector<std::u16string> record_view_rows(const RecordBuffer& rec_item, int item_count,
                                             PickState state) {
  std::vector<std::u16string> rows;
  if (state != PickState::kNone) rows.emplace_back(kSkipRow);
  item_count = std::clamp(item_count, 0, kMaxItemPosition);
  for (int k = 1; k <= item_count; ++k) {
    rows.push_back(text::to_full_width_digits(text::Format(k, u"00")) + u"列： " + rec_item[k]);
  }
  return rows;
}

int view_line_items(std::u16string_view text, long view_line, RecordBuffer& rec_item) {
  ItemReader reader(records_text(text));
  std::u16string_view line = reader.read_line();
  for (long n = 1; n < view_line && !reader.at_end(); ++n) line = reader.read_line();
  return std::min(split_line(line, rec_item, kViewItemLimit), kViewItemLimit);
}

std::optional<Pick> pick_row(PickState state, int row) {
  constexpr Focus kFields[] = {Focus::kCodePosition, Focus::kAddress1Position,
                               Focus::kAddress2Position, Focus::kAddress3Position};
  if (state == PickState::kNone) return std::nullopt;
  const int k = static_cast<int>(state) - 1;
  const PickState next =
      state == PickState::kAddress3 ? PickState::kNone : static_cast<PickState>(k + 2);
  return Pick{kFields[k], std::max(row, 0), next};
}

}  // namespace kovari::batch
