// Walks every town-area record of the main file with the prefecture and city
// row it belongs to.
#pragma once

#include <functional>
#include <string>

#include "postaldb/postal_db.h"

namespace kovari::roundtrip {

struct TownArea {
  int pref = 0;           // prefecture index
  int row = 0;            // city-table row
  std::string code;       // seven digits
  std::u16string name;    // the name without its index initial
  bool bracketed = false; // the name carries a bracketed condition
};

// Every city row with the index of its prefecture, in table order.
void for_each_city_row(const postaldb::PostalTables& t,
                       const std::function<void(int pref, int row)>& visit);

void for_each_town_area(const postaldb::PostalDb& db,
                        const std::function<void(const TownArea&)>& visit);

}  // namespace kovari::roundtrip
