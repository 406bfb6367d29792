// The list builders of the search-result list, one per search that opens it:
// each reads the records the search found through the bounds-checked reader
// and makes the rows (town-area records of kind 6 left out, at most
// kMaxRows rows). Also the rows of the several results of one code, which
// the code-to-address window lists itself.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "code_search/search_state.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "result_list/result_list.h"
#include "settings/settings.h"

namespace kovari::result_list {

// No list holds more rows than this; the builders stop there.
inline constexpr int kMaxRows = 1000;
// The detail rows of a municipality list, before its separator.
inline constexpr int kMaxDetailRows = 999;
// The town-name search stops collecting at this many hits.
inline constexpr int kMaxNameHits = 1000;

// Mode 1 (set_list1): the town-area records at the prefix search's hits
// (record offsets, res_pos). count is the number of hits.
ResultList set_list1(const postaldb::PostalDb& db, std::span<const std::int32_t> res_pos,
                     const settings::Settings& settings);

// The record ranges of a municipality (1-based byte positions; a range ends
// where the position reaches its last value).
struct MunicipalityRange {
  std::int64_t town_first = 0, town_last = 0;      // in "kovaritbl.dat"
  std::int64_t detail_first = 0, detail_last = 0;  // in "kovari2tbl.dat"
};

// Mode 2 (set_list2, with set_list3 first when the municipality has detail
// records): its offices and post-office boxes, a separator row, then its town
// areas with their index initials.
ResultList set_list2(const postaldb::PostalDb& db, const MunicipalityRange& range,
                     const settings::Settings& settings);

// Mode 3 (set_list4): the detail records at the office-name search's hits
// (record offsets, office_hit); office_over says the search stopped at its limit.
ResultList set_list4(const postaldb::PostalDb& db, std::span<const std::int32_t> office_hit,
                     bool office_over, const settings::Settings& settings);

// One hit of the town-name search: the 1-based position of a town-area record
// and the position its run ends at (0: the one record).
struct NameHit {
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// Mode 4 (set_list5): the town-area records of each hit. Pending window
// events run every 100 rows.
ResultList set_list5(const postaldb::PostalDb& db, std::span<const NameHit> hits,
                     const settings::Settings& settings, Host& host);

// The several results of one code in CodeToAddressWindow's own list (its
// set_list1): res_*[1][1..res_count[1]] of the exact lookup, each shown as
// its address followed by two full-width blanks and the office name when it
// has one. The rows that carry an office or a post-office box are detail rows.
std::vector<ResultRow> code_results(std::u16string_view code,
                                    const code_search::CodeSearchState& state);

}  // namespace kovari::result_list
