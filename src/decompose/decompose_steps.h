// The stages of decompose_address, each working on a view of the narrow
// working text (cut from the front as levels are taken off) and on slot 1 of
// the result. The marker positions are those of the whole working text.
#pragma once

#include <array>
#include <string>

#include "decompose/decomposition.h"
#include "decompose/marker_scan.h"
#include "postaldb/tables.h"

namespace kovari::decompose {

// Prefecture markers 1..4 in the whole text; cuts the prefecture into part 1.
void take_prefecture(std::u16string_view& w, const MarkerPositions& markers, Decomposition& d);

// Municipal markers 5..10 in the text after the prefecture pref, with the name
// lists (fixed, and the city table) that tell a marker inside a name from a
// level ending.
void find_municipal_markers(std::u16string_view w, const MarkerPositions& markers,
                            std::u16string_view pref, Marks& P,
                            const postaldb::PostalTables& tables);

// The seventeen marker rules, in order.
void apply_marker_rules(std::u16string_view w, Marks& P);

// Cuts parts 2 and 3 at the surviving markers.
void cut_municipal_levels(std::u16string_view& w, Decomposition& d,
                          const postaldb::PostalTables& tables);

// Block markers, town-area exceptions and the number scan over the town-area
// text: parts 4 to 9.
void decompose_town_area(std::u16string_view w, const MarkerPositions& markers, Decomposition& d,
                         const postaldb::PostalTables& tables);

}  // namespace kovari::decompose
