// Approximate name matching: picks one entry of the candidate list by
// similarity when a level has no exact match (typing slips, a missing or extra
// character, an input that begins with a candidate's name).
#pragma once

#include <cstdint>
#include <string_view>

#include "resolve/resolve_state.h"

namespace kovari::resolve {

struct ApproxResult {
  bool ok = false;         // one entry was picked
  std::int32_t index = 0;  // the chosen entry's cand_index (0 when none)
};

// Considers the first `count` entries of `cand` (at most those stored). Fills
// `fuzzy` with the similarity hits (cleared at every call). With `enabled`
// (Flag::kApproximate) 0 or an empty text nothing is picked.
ApproxResult match_approx(std::u16string_view text, int count, const CandidateList& cand,
                          FuzzyHits& fuzzy, int enabled);

}  // namespace kovari::resolve
