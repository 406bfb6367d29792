#include "detail_probe.h"

#include "resolve/detail_reader.h"
#include "town_area_walk.h"

namespace kovari::accuracy {

void for_each_detail_record(const postaldb::PostalDb& db,
                            const std::function<void(const DetailEntry&)>& visit) {
  const postaldb::PostalTables& t = db.tables;
  const int cities = static_cast<int>(t.city_name1.size()) - 1;
  roundtrip::for_each_city_row(t, [&](int pref, int row) {
    std::int64_t pos = std::int64_t{t.city_pos2[row]} + 1;
    const std::int64_t last = row == cities ? db.dir.town_end2 : t.city_pos2[row + 1];
    DetailEntry entry{pref, row, {}};
    while (pos < last && resolve::read_detail_record(db.detail_file, pos, entry.record)) {
      pos += entry.record.size;
      visit(entry);
    }
  });
}

}  // namespace kovari::accuracy
