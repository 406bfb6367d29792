#include "resolve/city_names.h"

#include <algorithm>
#include <bit>
#include <span>

#include "resolve/name_form.h"
#include "text/kanji_fold.h"
#include "text/vb.h"

namespace kovari::resolve {

FoldedNameRows::FoldedNameRows(const std::vector<std::u16string>& column, int rows) {
  rows = std::min(rows, static_cast<int>(column.size()) - 1);
  // (folded name, row), grouped by name with its rows ascending.
  std::vector<std::pair<std::u16string, int>> named;
  for (int r = 1; r <= rows; ++r) {
    const std::u16string_view name = text::trim_view(column[r]);
    if (!name.empty()) named.emplace_back(text::fold_kanji_variants(name), r);
  }
  std::sort(named.begin(), named.end());
  slots_.assign(std::bit_ceil(2 * named.size() + 1), Slot{});
  for (std::size_t i = 0; i < named.size(); ++i) {
    const std::u16string& folded = named[i].first;
    if (i == 0 || folded != named[i - 1].first) {
      const std::uint32_t h = name_hash(folded);
      names_.push_back({static_cast<std::uint32_t>(text_.size()),
                        static_cast<std::uint32_t>(folded.size()),
                        static_cast<std::uint32_t>(rows_.size()), 0});
      text_ += folded;
      slots_[slot_of(folded, h)] = {static_cast<std::uint32_t>(names_.size()), h};
    }
    rows_.push_back(named[i].second);
    ++names_.back().count;
  }
}

std::size_t FoldedNameRows::slot_of(std::u16string_view folded, std::uint32_t h) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = h & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.name == 0 || (slot.hash == h && name_text(names_[slot.name - 1]) == folded)) return i;
  }
}

std::span<const int> FoldedNameRows::rows_of(std::u16string_view folded) const {
  const Slot& slot = slots_[slot_of(folded, name_hash(folded))];
  if (slot.name == 0) return {};
  const Name& n = names_[slot.name - 1];
  return std::span(rows_).subspan(n.first, n.count);
}

namespace {

// The rows of `rows` (ascending) within the range.
std::span<const int> rows_within(std::span<const int> rows, CityRows range) {
  const auto begin = std::lower_bound(rows.begin(), rows.end(), range.first);
  const auto end = std::upper_bound(begin, rows.end(), range.last);
  return {begin, end};
}

}  // namespace

CityNames::CityNames(const postaldb::PostalTables& tables)
    : city_rows_(tables.city_name1, static_cast<int>(tables.city_name1.size()) - 1),
      town_rows_(tables.city_name2, static_cast<int>(tables.city_name2.size()) - 1) {
  const std::vector<std::u16string>& name = tables.city_name1;
  const int rows = static_cast<int>(name.size()) - 1;
  block_first_.assign(rows + 2, 0);
  next_block_.assign(rows + 2, rows + 1);
  has_towns_.assign(rows + 2, false);
  for (int r = 1; r <= rows; ++r) {
    block_first_[r] = r > 1 && name[r] == name[r - 1] ? block_first_[r - 1] : r;
    has_towns_[r] = r < static_cast<int>(tables.city_name2.size()) && !tables.city_name2[r].empty();
  }
  for (int r = rows - 1; r >= 1; --r) {
    next_block_[r] = name[r + 1] == name[r] ? next_block_[r + 1] : r + 1;
  }
}

CityNames::City CityNames::find_city(std::u16string_view folded, CityRows range) const {
  const std::span<const int> rows = rows_within(city_rows_.rows_of(folded), range);
  if (rows.empty()) return {};
  const int found = rows.front();
  if (!has_towns_[found]) return {found, 0, 0};
  const auto walk_end = [&](int end) { return end == found ? range.last : end; };
  return {found, walk_end(next_block_[found] <= range.last ? next_block_[found] - 1 : found),
          walk_end(std::max(found, block_first_[range.last]))};
}

CityNames::Town CityNames::find_town(std::u16string_view folded, CityRows range,
                                     const std::u16string* city, bool first_hit_ends,
                                     const postaldb::PostalTables& tables) const {
  Town town;
  for (const int r : rows_within(town_rows_.rows_of(folded), range)) {
    if (city && tables.city_name1[r] != *city) continue;
    town = {r, town.hits + 1};
    if (first_hit_ends) break;
  }
  return town;
}

}  // namespace kovari::resolve
