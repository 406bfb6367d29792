#include "code_search/search_state.h"

#include <algorithm>

namespace kovari::code_search {

namespace {

const std::u16string kEmptyRow;

}  // namespace

const std::u16string& ResultColumn::empty_row() { return kEmptyRow; }

std::u16string& ResultColumn::row_past_used(int n) {
  if (n < 0 || n > kMaxResults) {
    discarded_.clear();
    return discarded_;
  }
  const auto row = static_cast<std::size_t>(n);
  if (row >= rows_.size()) rows_.resize(row + 1);
  used_ = std::max(used_, row + 1);
  return rows_[row];
}

void ResultColumn::clear(int n) {
  if (n >= 0 && static_cast<std::size_t>(n) < used_) rows_[static_cast<std::size_t>(n)].clear();
}

void ResultColumn::clear_all() {
  for (std::size_t row = 0; row < used_; ++row) rows_[row].clear();
  used_ = 0;
}

std::vector<std::u16string> ResultColumn::rows(int first, int last) const {
  std::vector<std::u16string> result;
  for (int n = std::max(first, 0); n <= std::min(last, kMaxResults); ++n)
    result.push_back((*this)[n]);
  return result;
}

void CodeSearchState::reset() {
  in_code.clear();
  out_address.clear();
  out_pobox.clear();
  out_office.clear();
  status_msg.clear();
  focus = Focus::kNone;
  for (auto* columns : {&res_address, &res_pobox, &res_office}) {
    for (ResultColumn& column : *columns) column.clear_all();
  }
  res_count = {};
  res_pos.clear();
  list_mode = 0;
  conv_state = ConvState::kOk;
}

}  // namespace kovari::code_search
