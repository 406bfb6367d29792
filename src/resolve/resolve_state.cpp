#include "resolve/resolve_state.h"

namespace kovari::resolve {

void ResolveState::reset() {
  static_cast<ResolveValues&>(*this) = ResolveValues{};
  result_code.clear();
  result_msg.clear();
  result_parts.clear();
  cand.clear();
  cand.stored_for_reading = CandidateList{}.stored_for_reading;
  fuzzy.clear();
  part_match.clear();
}

}  // namespace kovari::resolve
