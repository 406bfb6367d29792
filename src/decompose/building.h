// The lookup of office towers that have postal codes of their own, one per
// floor: before any level is looked for, an address naming a building of the
// building table gets its code from the base code and the floor.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::decompose {

// Looks the narrow address text up in the building table. When a building is
// found and its code computed: building_found, parts kBuilding and
// kExtraNumber of the current slot, d.result_code, and d.decomp_status =
// kBuilding (else kParts).
// text keeps only what precedes an exactly found name.
void find_building(std::u16string& text, Decomposition& d, const postaldb::PostalTables& tables,
                   const DecomposeOptions& options);

// Sets pos to 0 when neither the prefecture nor the city of building row i
// occurs in text. Rows without a recorded place are not checked.
void building_area_ok(std::u16string_view text, int& pos, int i,
                      const postaldb::PostalTables& tables);

// Approximate pick among cand_name(1..count) (1-based): only with
// approximate_match on, the position of the one name similar to text;
// std::nullopt when none or several are.
std::optional<int> pick_similar_building(std::u16string_view text,
                                         const std::vector<std::u16string>& cand_name, int count,
                                         int approximate_match);

}  // namespace kovari::decompose
