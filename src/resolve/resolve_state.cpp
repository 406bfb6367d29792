#include "resolve/resolve_state.h"

namespace kovari::resolve {

void ResolveState::reset() {
  result_code.clear();
  result_msg.clear();
  result_parts.clear();
  focus = Focus::kNone;
  code_from = CodeFrom::kRecord;
  found_pref = found_city = found_town = 0;
  level_mask = 0;
  town_first = town_last = 0;
  detail_first = detail_last = 0;
  cand.clear();
  cand.stored_for_reading = true;
  list_kind = kListNone;
  fuzzy.clear();
  part_match.clear();
  typed_town.clear();
}

}  // namespace kovari::resolve
