// Address resolution: turns the decomposition of slot 1 into one postal code,
// a message saying which level is not settled, the selection list (window mode
// only), or nothing. The same operation serves the address-to-code window,
// the batch converter, the clipboard watcher and the command line; the
// caller's mode selects their differences.
#pragma once

#include <string>
#include <string_view>

#include "decompose/decomposition.h"
#include "host/caller_mode.h"
#include "host/host.h"
#include "host/running_windows.h"
#include "postaldb/postal_db.h"
#include "resolve/resolve_state.h"
#include "resolve/town_records.h"
#include "settings/settings.h"

namespace kovari::resolve {

// The caller's surroundings for one resolution: the data and the options,
// which windows are open, who calls, the host, and the state that outlives
// the call.
struct ResolveContext {
  const postaldb::PostalDb& db;
  const settings::Settings& settings;
  RunningWindows running;
  CallerMode mode;
  Host& host;
  RememberedChoices& remembered;
  ResolveCaches& caches;
  const TownCache& town_cache;   // may be shared with conversions running side by side
  std::u16string_view old_code;  // batch: the record's existing postal code
  bool use_old_code = false;     // batch: complete the levels from it
};

// Resolves the decomposition d (slot 1) into st (a fresh state) and updates
// the remembered choices. In window mode an unsettled level ends with
// st.list_kind set and the candidates in st.cand (or st.fuzzy when
// approximate matching found several). When decomposition found a building,
// its code is the result and nothing else is set.
void kaiseki_phase1(ResolveState& st, decompose::Decomposition& d, const ResolveContext& ctx);

// What a message says of a level (list_kind 1..4) that could not be settled:
// "都道府県名を特定できません。" ...
std::u16string_view level_unknown(int list_kind);

// The prompt the selection list shows for a level (list_kind 1..4).
std::u16string list_prompt(int list_kind);

}  // namespace kovari::resolve
