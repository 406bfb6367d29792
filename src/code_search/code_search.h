// Postal code to address: the exact lookups of a 7-digit code in the detail
// file (large-volume offices and post-office boxes) and in the town-area
// index, and the prefix search for a shorter code.
//
// Every search starts from state.in_code and overwrites the outputs of the
// state; nothing is kept between searches. The window's messages come back in
// state.status_msg.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "code_search/search_context.h"
#include "code_search/search_state.h"

namespace kovari::code_search {

// The message of a found code: its results can be extended before a copy.
inline constexpr std::u16string_view kMsgResultShown =
    u"クリップボード複写前に丁目、番地、ビル名を追加できます。";

enum class SearchOutcome {
  // Exactly one result: out_address (out_pobox, out_office for a detail
  // record) holds it, as does row 1 of column 1.
  Single,
  // Any other number of results (0 included) in res_address[1][1..res_count[1]]:
  // the window lists them. The batch copy (and the clipboard copy when asked)
  // has taken the first into out_address.
  Several,
  // The prefix search found res_count[1] codes; res_pos[1..] hold their
  // town-area offsets and list_mode is 1: the result-list window shows them.
  PrefixList,
  // Nothing to show; status_msg tells why. From sertch_kovari11: the code is
  // not in the detail file (the other searches may go on).
  NotFound,
};

// Exact lookup of Trim(in_code) in the detail file. NotFound leaves
// everything but the three outputs (which it clears) unchanged.
SearchOutcome sertch_kovari11(const SearchContext& ctx, CodeSearchState& state);

// Exact lookup of a 7-digit code: the detail file first when
// Flag::kDetailFile is set (and, in the batch and clipboard searches, the
// batch address-to-code window is not open; never in the batch address
// search), then the town-area index. A code that is not found falls back to
// the prefix search of its first Len - 4 digits in the window when
// prefix_fallback is set.
SearchOutcome sertch_kovari1(const SearchContext& ctx, CodeSearchState& state);

// Prefix search for a code of fewer than 7 digits: the index records whose
// codes begin with it, at most kMaxResults.
SearchOutcome sertch_kovari2(const SearchContext& ctx, CodeSearchState& state);

// The prefix search's hits: the town-area record offsets res_pos[1..res_count[1]]
// (result_list::set_list1 makes the result list's rows of them).
std::vector<std::int32_t> prefix_hits(const CodeSearchState& state);

}  // namespace kovari::code_search
