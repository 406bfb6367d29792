// The building table from KEN_ALL's per-floor town areas (names ending in
// "（ｎ階）" and "（地階・階層不明）"). Rows 1-43 stand in the prefecture and
// city that the program's fixed table gives them; a row with no building of
// its place gets a filler that can never be found. Other buildings follow.
#pragma once

#include <string>
#include <vector>

#include "postal_data.h"
#include "report.h"

namespace kovari::mkdata {

// A building found among the town areas, with its place.
struct FoundBuilding {
  Building row;
  std::u16string pref, city;  // prefecture name and city_name1
};

// Every building of the town areas, ordered by base code. A building without
// its 地階・階層不明 record (whose code gives the base) is reported and left out.
std::vector<FoundBuilding> find_buildings(const PostalData& data, Report& report);

// Rows 1..n of the building table: the fixed-place rows 1-43, then the other
// buildings, at most 100 rows in all.
std::vector<Building> place_buildings(std::vector<FoundBuilding> found, Report& report);

// The row used where a fixed-place row has no building: its names hold an
// inner blank (normalisation strips blanks from addresses) and characters no
// address has, and its code is never produced.
Building filler_building();

}  // namespace kovari::mkdata
