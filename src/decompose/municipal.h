// The municipal-level operations of the decomposition: fixed lists of place
// names that tell a marker character inside a name from a level ending, and the
// completion of a designated city from one of its wards.
#pragma once

#include <string>
#include <string_view>

#include "postaldb/tables.h"

namespace kovari::decompose {

// p is the position of the first 市 in text; moves it to the 市 that ends a
// city whose name itself contains 市 (市川市, 四日市市 ...).
void fix_city_marker(std::u16string_view text, int& p);

// p is the position of 郡 in text; 0 when the text also names one of a fixed
// list of cities (蒲郡市, 京都市 ...) whose addresses hold no county.
void drop_county_marker(std::u16string_view text, int& p);

// Without a prefecture: a ward that is one of Tokyo's 23 wards becomes the
// city when the city is empty.
void tokyo_ward_to_city(std::u16string_view pref, std::u16string& city, std::u16string& ward,
                        const postaldb::PostalTables& tables);

// With a prefecture but no city: fills the city with the designated city of
// that prefecture that has the ward; part_len10 = the length of the name
// filled in.
void complete_city_from_ward(std::u16string_view pref, std::u16string& city,
                             std::u16string_view ward, const postaldb::PostalTables& tables,
                             int& part_len10);

// p is the position of 区; 0 when city is another city than a designated one
// (a 区 after any other city belongs to the town area).
void check_designated_city(std::u16string_view pref, std::u16string_view city, int& p);

}  // namespace kovari::decompose
