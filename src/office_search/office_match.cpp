#include "office_search/office_match.h"

#include <algorithm>

#include "postaldb/directory.h"

namespace kovari::office_search {

namespace {

// The key has been converted to full-width form, so it holds none of the
// wildcard characters of the platform's pattern match ("*", "?", "#", "["):
// the patterns "*key*" and "key*" match exactly as a search for the text does.
bool matches(std::u16string_view name, std::u16string_view key, MatchMode mode) {
  switch (mode) {
    case MatchMode::kPartial:
      return name.find(key) != std::u16string_view::npos;
    case MatchMode::kExact:
      return name == key;
    case MatchMode::kPrefix:
      return name.starts_with(key);
  }
  return false;
}

}  // namespace

NameHits select_text(const OfficeIndex& index, std::u16string_view key, MatchMode mode) {
  NameHits found;
  for (const OfficeName& name : index.names) {
    if (!matches(name.name, key, mode)) continue;
    if (found.hits.size() == kMaxNames) {
      found.over = true;
      break;
    }
    found.hits.push_back({name.first_entry, name.n});
  }
  return found;
}

Positions get_address(const postaldb::PostalDb& db, const NameHits& hits) {
  Positions collected;
  collected.over = hits.over;
  const std::int64_t table = postaldb::block_position(db.dir.blk2[7]);
  for (const NameHit& hit : hits.hits) {
    postaldb::Cursor cursor = db.detail_file.at(table + 4 * hit.first_entry);
    for (std::int32_t k = 0; k < hit.n; ++k) {
      const std::int32_t position = cursor.read_long();
      if (cursor.failed()) return collected;
      if (collected.positions.size() == kMaxPositions) {
        collected.over = true;
        return collected;
      }
      collected.positions.push_back(position);
    }
  }
  return collected;
}

Positions sort_address(Positions collected) {
  std::vector<std::int32_t>& positions = collected.positions;
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  if (positions.size() > kMaxOffices) {
    positions.resize(kMaxOffices);
    collected.over = true;
  }
  return collected;
}

}  // namespace kovari::office_search
