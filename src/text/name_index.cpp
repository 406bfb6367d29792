#include "text/name_index.h"

#include <algorithm>

#include "text/vb.h"

namespace kovari::text {

NameIndex::NameIndex(std::initializer_list<std::reference_wrapper<const Names>> lists) {
  for (const Names& names : lists) {
    for (std::size_t row = 0; row < names.size(); ++row) {
      const std::u16string_view name = trim_view(names[row]);
      const int r = static_cast<int>(row);
      if (name.size() == 1) {
        singles_.emplace_back(name[0], r);
      } else if (name.size() > 1) {
        const std::uint32_t key = pair_key(name[0], name[1]);
        pairs_.emplace_back(key, r);
        pair_bits_.set(pair_bit(key));
      }
    }
  }
  std::sort(pairs_.begin(), pairs_.end());
}

void NameIndex::rows_in(std::u16string_view text, std::vector<int>& rows) const {
  rows.clear();
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const std::uint32_t key = pair_key(text[i], text[i + 1]);
    if (!pair_bits_[pair_bit(key)]) continue;
    auto it = std::lower_bound(pairs_.begin(), pairs_.end(), std::pair{key, 0});
    for (; it != pairs_.end() && it->first == key; ++it) rows.push_back(it->second);
  }
  for (const auto& [c, row] : singles_) {
    if (text.find(c) != std::u16string_view::npos) rows.push_back(row);
  }
  if (rows.size() > 1) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  }
}

}  // namespace kovari::text
