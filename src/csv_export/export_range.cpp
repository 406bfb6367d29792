#include "csv_export/export_range.h"

#include "csv_export/area_pick.h"
#include "text/vb.h"

namespace kovari::csv_export {

namespace {

std::u16string_view city_name1(const postaldb::PostalDb& db, int row) {
  return text::trim_view(db.tables.city_name1[row]);
}

// The runs of rows of `pref_rows` named `city`: the one starting at
// `city_row` when it is given, else all of them.
std::vector<RowSpan> city_runs(const postaldb::PostalDb& db, RowSpan pref_rows,
                               std::u16string_view city, int city_row) {
  std::vector<RowSpan> runs;
  for (int row = pref_rows.first; row < pref_rows.end;) {
    if (city_name1(db, row) != city) {
      ++row;
      continue;
    }
    RowSpan run{row, row};
    while (run.end < pref_rows.end && city_name1(db, run.end) == city) ++run.end;
    if (city_row == 0 || city_row == run.first) runs.push_back(run);
    row = run.end;
  }
  return runs;
}

}  // namespace

RecordRange record_range(const postaldb::PostalDb& db, RowSpan rows) {
  const postaldb::PostalTables& t = db.tables;
  RecordRange range;
  range.town_first = static_cast<std::int64_t>(t.city_pos1[rows.first]) + 1;
  range.detail_first = static_cast<std::int64_t>(t.city_pos2[rows.first]) + 1;
  if (rows.end <= db.dir.city_count) {
    range.town_last = t.city_pos1[rows.end];
    range.detail_last = t.city_pos2[rows.end];
  } else {
    range.town_last = db.dir.town_end1;
    range.detail_last = db.dir.town_end2;
  }
  return range;
}

int find_prefecture(const postaldb::PostalDb& db, std::u16string_view name) {
  for (int p = 1; p <= db.dir.pref_count; ++p) {
    if (text::trim_view(db.tables.pref_name[p]) == text::trim_view(name)) return p;
  }
  return 0;
}

std::optional<std::vector<RecordRange>> export_ranges(const postaldb::PostalDb& db,
                                                      const ExportArea& area) {
  const RowSpan pref_rows = prefecture_rows(db, area.pref);
  if (pref_rows.first >= pref_rows.end) return std::nullopt;
  if (area.city.empty()) return std::vector<RecordRange>{record_range(db, pref_rows)};

  const std::vector<RowSpan> runs =
      city_runs(db, pref_rows, text::trim_view(area.city), area.city_row);
  std::vector<RecordRange> ranges;
  if (area.town.empty()) {
    for (const RowSpan run : runs) ranges.push_back(record_range(db, run));
  } else {
    const std::u16string_view town = text::trim_view(area.town);
    for (const RowSpan run : runs) {
      for (int row = run.first; row < run.end && ranges.empty(); ++row) {
        if (text::trim_view(db.tables.city_name2[row]) == town) {
          ranges.push_back(record_range(db, {row, row + 1}));
        }
      }
    }
  }
  if (ranges.empty()) return std::nullopt;
  return ranges;
}

}  // namespace kovari::csv_export
