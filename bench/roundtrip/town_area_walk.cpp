#include "town_area_walk.h"

#include "text/vb.h"

namespace kovari::roundtrip {

void for_each_city_row(const postaldb::PostalTables& t,
                       const std::function<void(int pref, int row)>& visit) {
  const int cities = static_cast<int>(t.city_name1.size()) - 1;
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  int pref = 1;
  for (int row = 1; row <= cities; ++row) {
    while (pref < prefs && t.pref_first_city[pref + 1] <= row) ++pref;
    visit(pref, row);
  }
}

void for_each_town_area(const postaldb::PostalDb& db,
                        const std::function<void(const TownArea&)>& visit) {
  const postaldb::PostalTables& t = db.tables;
  const int cities = static_cast<int>(t.city_name1.size()) - 1;
  for_each_city_row(t, [&](int pref, int row) {
    const std::int64_t first = std::int64_t{t.city_pos1[row]} + 1;
    const std::int64_t last = row == cities ? db.dir.town_end1 : t.city_pos1[row + 1];
    std::int64_t pos = first;
    while (pos < last) {
      postaldb::Cursor c = db.main_file.at(pos);
      TownArea area;
      area.pref = pref;
      area.row = row;
      area.code = c.read_code();
      c.read_long();
      area.name = text::Mid(c.read_variant_string(), 2);
      area.bracketed = c.read_long() % 32 != 0;
      if (c.failed() || c.position() <= pos) break;
      pos = c.position();
      visit(area);
    }
  });
}

}  // namespace kovari::roundtrip
