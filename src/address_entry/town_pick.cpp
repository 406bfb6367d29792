#include "address_entry/town_pick.h"

#include "csv_export/export_range.h"
#include "result_list/list_builders.h"

namespace kovari::address_entry {

result_list::ResultList municipality_list(const postaldb::PostalDb& db, int town_row,
                                          const settings::Settings& settings) {
  if (town_row < 1 || town_row > db.dir.city_count) {
    result_list::ResultList none;
    none.mode = result_list::ListMode::Municipality;
    return none;
  }
  const csv_export::RecordRange r = csv_export::record_range(db, {town_row, town_row + 1});
  return result_list::set_list2(db, {r.town_first, r.town_last, r.detail_first, r.detail_last},
                                settings);
}

}  // namespace kovari::address_entry
