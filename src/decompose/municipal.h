// The municipal-level operations of the decomposition: fixed lists of place
// names that tell a marker character inside a name from a level ending, and the
// completion of a designated city from one of its wards.
#pragma once

#include <string>
#include <string_view>

#include "postaldb/tables.h"

namespace kovari::decompose {

// p is the position of the first 市 in text; moves it to the 市 that ends a
// city whose name itself contains 市 (市川市, 四日市市, or a city of the table
// in the prefecture pref that opens the text, such as 野々市市).
void fix_city_marker(std::u16string_view text, int& p, std::u16string_view pref,
                     const postaldb::PostalTables& tables);

// p is the position of 郡 in text and city_end that of the 市 ending the city;
// p becomes 0 when the text names one of a fixed list of cities (蒲郡市, 京都市
// ...) or opens with a city of the table in the prefecture pref (郡上市,
// 山口市小郡 ...): such an address holds no county.
void drop_county_marker(std::u16string_view text, int& p, int city_end, std::u16string_view pref,
                        const postaldb::PostalTables& tables);

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
void check_designated_city(std::u16string_view city, int& p);

}  // namespace kovari::decompose
