// Conditions that combine a range "~", pairs "-" and 丁目/地割 in one text,
// such as "1-2~5-8", "3丁目1~8" or "2丁目5-1~5-9".
#pragma once

#include <string_view>

#include "resolve/condition_address.h"

namespace kovari::resolve {

enum class CompoundVerdict {
  kNotApplicable,  // the condition has none of the combined shapes
  kMatch,          // the address lies in the condition
  kMismatch,       // a combined shape whose numbers the address does not fit
};

// Tests the narrow condition c, whose marks m were found by find_block_marks,
// against the block numbers of a.
CompoundVerdict match_compound_condition(std::u16string_view c, const ConditionMarks& m,
                                         const ConditionAddress& a);

}  // namespace kovari::resolve
