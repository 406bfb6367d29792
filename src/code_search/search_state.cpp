#include "code_search/search_state.h"

#include <algorithm>

namespace kovari::code_search {

namespace {

const std::u16string kEmptyRow;

}  // namespace

const std::u16string& ResultColumn::operator[](int n) const {
  if (n < 0 || n >= static_cast<int>(rows_.size())) return kEmptyRow;
  return rows_[static_cast<std::size_t>(n)];
}

std::u16string& ResultColumn::operator[](int n) {
  if (n < 0 || n > kMaxResults) {
    discarded_.clear();
    return discarded_;
  }
  if (n >= static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(n) + 1);
  return rows_[static_cast<std::size_t>(n)];
}

void ResultColumn::clear(int n) {
  if (n >= 0 && n < static_cast<int>(rows_.size())) rows_[static_cast<std::size_t>(n)].clear();
}

std::vector<std::u16string> ResultColumn::rows(int first, int last) const {
  std::vector<std::u16string> result;
  for (int n = std::max(first, 0); n <= std::min(last, kMaxResults); ++n)
    result.push_back((*this)[n]);
  return result;
}

}  // namespace kovari::code_search
