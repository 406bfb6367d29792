// The sorted indexes of the data files (postal codes, old codes, town names):
// entries sorted by key, equal keys kept in record order, each carrying its
// run ordinal (1 for the first entry of a run of equal keys, 2 for the
// second, ...), which lets a lookup that lands inside a run back up to its
// start.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kovari::mkdata {

template <class Key>
struct IndexEntry {
  Key key;
  std::int32_t offset = 0;
  std::int32_t ordinal = 0;
};

// Sorts by key (stable) and numbers the runs; returns the longest run.
template <class Key>
std::int32_t sort_with_ordinals(std::vector<IndexEntry<Key>>& entries) {
  std::stable_sort(
      entries.begin(), entries.end(),
      [](const IndexEntry<Key>& a, const IndexEntry<Key>& b) { return a.key < b.key; });
  std::int32_t longest = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i].ordinal =
        (i > 0 && entries[i].key == entries[i - 1].key) ? entries[i - 1].ordinal + 1 : 1;
    longest = std::max(longest, entries[i].ordinal);
  }
  return longest;
}

}  // namespace kovari::mkdata
