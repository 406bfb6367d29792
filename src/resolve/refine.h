// Partial-match refinement: among the town-area records whose base name begins
// the input's town area and which carry a bracketed condition (the list the
// record scan collected in st.part_match), decides by the block numbers and the
// floor of the address which one fits, and sets st.result_code.
#pragma once

#include <string_view>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Called after the record scan with st.part_match.part_match_count >= 1.
// Reads the current slot of d (parts 4..9, koaza_text, kyoto_direction,
// building_found, building_split) and may set building_split and overwrite the
// slot's marker positions. Returns true with st.result_code set (seven
// digits) when a record fits.
bool refine_partial_matches(int kyoto_mode, ResolveState& st, decompose::Decomposition& d,
                            const postaldb::PostalTables& tables);

}  // namespace kovari::resolve
