// The small rules address resolution applies at its levels: which city names
// recur in the city table, the 丁目 key of a town area, the 地割 range test and
// the removal of 大字/字 from a town area.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::resolve {

// The rows 1..n that every column of the city table holds.
int city_row_count(const postaldb::PostalTables& tables);

// City rows first..last.
struct CityRows {
  int first = 1, last = 0;
};

// The city rows of prefecture `pref`; all rows when it is none of the table's.
CityRows prefecture_city_rows(const postaldb::PostalTables& tables, int pref);

// The prefecture whose rows hold city row `row`; 0 when none does.
int prefecture_of_row(const postaldb::PostalTables& tables, int row);

// A set of names that is searched with a view of the name sought.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view s) const {
    return std::hash<std::u16string_view>()(s);
  }
};
using NameSet = std::unordered_set<std::u16string, NameHash, std::equal_to<>>;

// City names whose rows form more than one block of the city table (a county
// name used by several prefectures, or twice within one). Built from the
// loaded table; with an empty table, the names known to recur.
NameSet recurring_city_names(const postaldb::PostalTables& tables);

// True when `name` is the ward (区) of a city of the table.
bool is_ward_name(std::u16string_view name, const postaldb::PostalTables& tables);

// True ("yes") when the city text is empty or none of the recurring names.
bool city_name_unique(std::u16string_view city, const NameSet& recurring);

// The town area followed by the 丁目 number in kanji and "丁目" when `chome`
// (part 5) is a number from 1 to 50 (本町 with 3 gives 本町三丁目), else the
// town area followed by "丁目".
void chome_key(std::u16string_view area, std::u16string_view chome,
               const postaldb::PostalTables& tables, std::u16string& key);

// A town area typed with its 丁目 in kanji (丸の内一丁目 with part 5 = 1) loses
// that 丁目, so that it compares as the same address typed with digits does.
void drop_kanji_chome(std::u16string& area, std::u16string_view chome,
                      const postaldb::PostalTables& tables);

// For a record name holding "地割" when the address had a 地割 mark: true when
// the 地割 number (part 5) lies within the name's range "第a地割～第b地割".
bool chiwari_in_range(std::u16string_view name, const decompose::DecompositionSlot& slot);

// Removes "大字" from the town area and cuts it at "字" (not in words such as
// 文字 or 十字): what follows goes to slot.koaza_text. In slot 2 the 字 part
// is appended again.
void strip_aza(std::u16string& area, decompose::DecompositionSlot& slot, int slot_number,
               const postaldb::PostalTables& tables);

}  // namespace kovari::resolve
