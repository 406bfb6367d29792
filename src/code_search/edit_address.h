// Address assembly: one town-area name becomes one or more address lines
// (one per sub-area listed in its parenthesis, remark words dropped, Kyoto's
// street-direction names in front of the town name).
#pragma once

#include <string_view>

#include "code_search/search_context.h"
#include "code_search/search_state.h"

namespace kovari::code_search {

// The caller has put the base address (prefecture & city name parts) into
// res_address[1][n] and counted n (1..kMaxResults). The lines produced
// overwrite results n onwards; on return n is the last result written (n - 1
// when nothing was written). Lines beyond kMaxResults are not kept.
//
// Mode differences: kBatchCode leaves out a bracketed detail that contains
// "～" and sets conv_state to ConvState::kTildeDropped; kBatchAddress also
// writes each line's town-area text into res_address[0][m].
void edit_address(const SearchContext& ctx, CodeSearchState& state, int& n,
                  std::u16string_view name);

// The value of a text's leading number after conversion to narrow form
// (full-width digits count); 0 when it does not begin with a number.
double leading_number(std::u16string_view part);

}  // namespace kovari::code_search
