// Address resolution: turns the decomposition of slot 1 into one postal code,
// a message saying which level is not settled, the selection list (window mode
// only), or nothing. The same operation serves the address-to-code window,
// the batch converter, the clipboard watcher and the command line; the
// caller's mode in ResolveState selects their differences.
#pragma once

#include <array>
#include <string>

#include "decompose/decomposition.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// The caller's surroundings for one resolution: the data, the option flags,
// which windows are open, and the host that shows the selection list.
struct ResolveContext {
  const postaldb::PostalDb& db;
  const std::array<int, 17>& ctl_flg;  // option flags 1..16
  std::array<int, 6> running{};        // running-window flags 1..5
  Host& host;
  std::u16string old_code;  // batch: the record's existing postal code
};

// Resolves the decomposition d (slot 1) and writes st.result_code,
// st.result_msg, st.result_parts and the remembered choices. In window mode
// (st.caller_mode == 1) an unsettled level shows the selection list through
// ctx.host.set_list2. Does nothing when d.decomp_status is "ok".
void kaiseki_phase1(ResolveState& st, decompose::Decomposition& d, const ResolveContext& ctx);

// The prompt the selection list shows for a level (list_kind 1..4).
std::u16string_view list_prompt(int list_kind);

}  // namespace kovari::resolve
