// 簡易入力 of AddressToCodeWindow: the three pick lists (prefecture, city,
// ward/town; csv_export::AreaPick) end in a municipality, whose town areas
// (after its offices and post-office boxes) the search-result list shows in
// its municipality mode.
#pragma once

#include "postaldb/postal_db.h"
#include "result_list/result_list.h"
#include "settings/settings.h"

namespace kovari::address_entry {

// The rows of the municipality of city row `town_row` (found_town):
// result_list::set_list2 over its record ranges.
result_list::ResultList municipality_list(const postaldb::PostalDb& db, int town_row,
                                          const settings::Settings& settings);

}  // namespace kovari::address_entry
