#include "decompose/building.h"

#include <algorithm>
#include <cstdlib>

#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

constexpr int kUnknownFloor = 90;  // added to the base code when the floor is unknown

int building_count(const postaldb::PostalTables& t) {
  const std::size_t rows = std::min(
      {t.bill_code.size(), t.bill_floors.size(), t.bill_name1.size(), t.bill_name2.size()});
  return rows == 0 ? 0 : static_cast<int>(rows) - 1;
}

// Position of a building name in text; an empty name names nothing.
int name_position(std::u16string_view text, std::u16string_view name) {
  name = text::trim_view(name);
  return name.empty() ? 0 : text::InStr(text, name);
}

std::u16string decimal(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// The code from the base code and the floor written in part 9.
void set_floor_code(Decomposition& d, const postaldb::PostalTables& t, int row) {
  const auto base = static_cast<std::int64_t>(text::Val(t.bill_code[row]));
  const int floors = t.bill_floors[row];
  std::u16string& floor_text = d.part(kExtraNumber);
  const std::u16string trimmed = text::Trim(floor_text);
  const int digit = first_digit(trimmed);
  d.decomp_status = DecompStatus::kBuilding;
  if (digit == 0) {
    floor_text.clear();
    d.result_code = decimal(base + kUnknownFloor);
    return;
  }
  int run_end = digit;
  while (digit_at(trimmed, run_end + 1)) ++run_end;
  std::int64_t floor = digits_value(text::mid_view(trimmed, digit, run_end - digit + 1));
  floor_text = decimal(floor);
  if (floor >= 1000) floor /= 100;  // a room number such as 1203 is on floor 12
  for (int k = 0; k < 2; ++k) {
    if (floor > floors) floor /= 10;
  }
  const bool unknown = floor == 0 || floor > floors;
  d.result_code = decimal(base + (unknown ? kUnknownFloor : floor));
}

}  // namespace

void building_area_ok(std::u16string_view text, int& pos, int i,
                      const postaldb::PostalTables& tables) {
  if (i < 1 || i >= static_cast<int>(tables.bill_pref.size())) return;
  if (text::InStr(text, tables.bill_pref[i]) == 0 && text::InStr(text, tables.bill_city[i]) == 0) {
    pos = 0;
  }
}

std::optional<int> pick_similar_building(std::u16string_view text,
                                         const std::vector<std::u16string>& cand_name, int count,
                                         int approximate_match) {
  if (approximate_match == 0 || text.empty()) return std::nullopt;
  const std::u16string_view trimmed = text::trim_view(text);
  const int length = text::Len(text);
  count = std::min(count, static_cast<int>(cand_name.size()) - 1);
  int hits = 0;
  int similar = 0;
  for (int i = 1; i <= count; ++i) {
    const std::u16string_view c = text::trim_view(cand_name[i]);
    const int n = text::Len(c);
    if (std::abs(length - n) > 2) continue;
    int found = 0;
    int cursor = 1;
    for (char16_t ch : trimmed) {
      if (cursor > n) break;
      const int hit = text::InStr(cursor, c, std::u16string_view(&ch, 1));
      if (hit != 0) {
        ++found;
        cursor = hit + 1;
      }
    }
    if (std::abs(n - found) <= 1) {
      similar = i;
      ++hits;
    }
  }
  if (hits != 1) return std::nullopt;
  return similar;
}

void find_building(std::u16string& text, Decomposition& d, const postaldb::PostalTables& tables,
                   const DecomposeOptions& options) {
  const std::u16string_view w = text::trim_view(text);
  DecompositionSlot& slot = d.current();
  slot.building_found = 0;
  slot.building_split = 0;
  d.decomp_status = DecompStatus::kParts;
  // Only the rows whose names may occur in the text are searched, in row order.
  std::vector<int>& rows = d.building_rows;
  tables.bill_name_index.rows_in(w, rows);
  // Most texts name no building and are looked up without the approximate pick.
  if (rows.empty() && options.approximate_match == 0) return;
  const int count = building_count(tables);
  for (const int i : rows) {
    if (i < 1 || i > count) continue;
    const std::u16string* name = &tables.bill_name1[i];
    int p = name_position(w, *name);
    if (p != 0) building_area_ok(w, p, i, tables);
    if (p == 0) {
      name = &tables.bill_name2[i];
      p = name_position(w, *name);
      if (p != 0) building_area_ok(w, p, i, tables);
    }
    if (p == 0) continue;
    slot.building_found = 1;
    d.part(kBuilding) = tables.bill_name1[i];
    const int tail = text::Len(w) - text::Len(*name) - p + 1;
    if (tail > 0) d.part(kExtraNumber) = text::Right(w, tail);
    text = text::Left(w, p - 1);
    set_floor_code(d, tables, i);
    return;
  }
  // No name occurs: the approximate pick over the second names, when it is on
  // (most addresses are looked up without it).
  if (options.approximate_match == 0) return;
  const std::optional<int> pick =
      pick_similar_building(w, tables.bill_name2, count, options.approximate_match);
  if (!pick) return;
  int pos = 1;
  building_area_ok(w, pos, *pick, tables);
  if (pos != 1) return;
  slot.building_found = 1;
  d.part(kBuilding) = tables.bill_name1[*pick];
  set_floor_code(d, tables, *pick);
}

}  // namespace kovari::decompose
