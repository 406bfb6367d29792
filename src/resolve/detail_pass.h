// The detail-record pass: when the input address is exactly the address of one
// of the municipality's large-volume offices or post-office boxes (records
// st.detail_first .. st.detail_last of the detail file), that record's code is
// the result and the town-area scan is not made.
#pragma once

#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Scans the detail records of st.detail_first .. st.detail_last (through
// the detail cache, emptied when no window is open), decomposing each into
// slot 2 of d and comparing it with slot 1. A match sets st.result_code; no
// match leaves it unchanged. The caller clears st.result_code before and sets
// d.addr_slot back to 1 after the call.
void match_detail_records(ResolveState& st, decompose::Decomposition& d, const ResolveContext& ctx);

}  // namespace kovari::resolve
