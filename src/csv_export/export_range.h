// The records an export writes: from the picked prefecture, city or
// ward/town to the ranges of town-area records in "kovaritbl.dat" and of
// detail records in "kovari2tbl.dat".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "csv_export/area_pick.h"
#include "postaldb/postal_db.h"

namespace kovari::csv_export {

// The area by its picks: a prefecture number, and the city name (city_name1)
// and the ward/town name (city_name2) when those levels were picked.
struct ExportArea {
  int pref = 0;
  std::u16string city;
  std::u16string town;
  // The first row of the city picked from the list, 0 when the city is
  // given by its name alone. Some counties of one prefecture share a name
  // (北海道 has three 上川郡), each listed on its own: the row tells which.
  int city_row = 0;
};

// The records of a run of city rows. 1-based byte positions: a range holds
// the records from its first position up to (not including) the position
// after its last byte.
struct RecordRange {
  std::int64_t town_first = 0, town_last = 0;
  std::int64_t detail_first = 0, detail_last = 0;
};

// The records of city rows [first, end): from the first row's positions up
// to the positions of row `end`, or to the ends of the record areas after
// the last row.
RecordRange record_range(const postaldb::PostalDb& db, RowSpan rows);

// The ranges of the deepest level picked, in row order: the ward/town's own
// row; the rows of the city (every ward of a designated city, every town of
// a county: of the run at city_row, else of every run of that name); or the
// whole prefecture. std::nullopt when the prefecture has no such city or the
// city no such ward/town.
std::optional<std::vector<RecordRange>> export_ranges(const postaldb::PostalDb& db,
                                                      const ExportArea& area);

// The prefecture whose trimmed name is `name`; 0 when there is none.
int find_prefecture(const postaldb::PostalDb& db, std::u16string_view name);

}  // namespace kovari::csv_export
