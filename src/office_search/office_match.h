// The three steps of an office-name search over the index: the names that
// match the key (select_text), the detail-record positions listed for them
// in the record-position table (get_address), and those positions sorted,
// each once (sort_address). Each step stops at its limit and says so.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "office_search/office_index.h"
#include "postaldb/postal_db.h"

namespace kovari::office_search {

// How a name must match the key: the window's option buttons, in their order.
enum class MatchMode {
  kPartial = 1,  // "部分一致": the key anywhere in the name
  kExact = 2,    // "完全一致": the whole name
  kPrefix = 3,   // "前方一致": the name begins with the key
};

inline constexpr int kMaxNames = 500;       // matching names used
inline constexpr int kMaxPositions = 1000;  // record positions collected
inline constexpr int kMaxOffices = 500;     // distinct records listed

// One matching name: its first entry in the record-position table and its
// number of entries.
struct NameHit {
  std::int64_t first_entry = 0;
  std::int32_t n = 0;
};

struct NameHits {
  std::vector<NameHit> hits;  // at most kMaxNames, in index order
  bool over = false;          // a further name matched
};

// select_text: the names of `index` that match `key` (a text in the normal
// form of office_name.h).
NameHits select_text(const OfficeIndex& index, std::u16string_view key, MatchMode mode);

struct Positions {
  std::vector<std::int32_t> positions;  // 0-based detail-record offsets
  bool over = false;                    // a limit left some out
};

// get_address: the record positions of the hits, in order, at most
// kMaxPositions. A position that cannot be read (beyond the end of the file)
// ends the collection.
Positions get_address(const postaldb::PostalDb& db, const NameHits& hits);

// sort_address: the positions sorted ascending, each once, at most
// kMaxOffices; `over` carries on what the earlier steps said.
Positions sort_address(Positions collected);

}  // namespace kovari::office_search
