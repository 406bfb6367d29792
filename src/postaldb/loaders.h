// The table loaders of the start-up load: each reads one table of the data
// files into PostalTables, once the directory passed check_directory (every
// table fits in its file). A position outside its file or an unreadable
// record ends the loader with an error naming the file; the tables are sized
// to the counts read, so no count overruns them.
#pragma once

#include "postaldb/load_progress.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"

namespace kovari::postaldb {

// Prefectures: pref_name (8 characters, cut at a "＊"), pref_first_city.
// Counts its records without moving the bar.
LoadStatus get_city1(PostalDb& db, LoadProgress& progress);

// Cities: city_name1/2, city_pos1, city_kind; the city groups and tokyo_ward.
LoadStatus get_city2(PostalDb& db, LoadProgress& progress);

// Buildings: bill_code, bill_floors, bill_name1/2 (narrow); bill_pref and
// bill_city of rows 1..43 and the building keywords.
LoadStatus get_bill(PostalDb& db, LoadProgress& progress);

// Detail-file city positions city_pos2 (skipped when blk2(1) is 0). A city
// without detail records gets the next city's position: an empty range.
LoadStatus get_city3(PostalDb& db, LoadProgress& progress);

// The word table of the detail file and the small-kana pairs (skipped when
// blk2(8) is 0).
LoadStatus get_city5(PostalDb& db, LoadProgress& progress);

// Ward pairs of the third file and the duplicate ward names (skipped when
// blk3(2) is 0).
LoadStatus get_city6(PostalDb& db, LoadProgress& progress);

}  // namespace kovari::postaldb
