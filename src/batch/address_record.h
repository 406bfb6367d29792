// One record of the batch address-to-code conversion: the address text the
// engines get, and the latest address of the code found.
#pragma once

#include <string>
#include <string_view>

#include "batch/edit_output.h"
#include "code_search/search_context.h"
#include "decompose/decomposition.h"
#include "postaldb/tables.h"
#include "resolve/resolve_state.h"

namespace kovari::batch {

// set_kansuuji: an address in 京都市 or with a 区 whose "条" follows a digit
// gets that number in kanji (北3条 -> 北三条); part_len10 counts the
// characters added.
void set_kansuuji(std::u16string& address, const postaldb::PostalTables& tables, int& part_len10);

// get_address: the latest address of st.result_code in four parts, split
// along the decomposition of `address` (the normalised address text) in the
// current slot of d.
LatestAddress get_address(std::u16string_view address, const decompose::Decomposition& d,
                          const resolve::ResolveState& st,
                          const code_search::SearchContext& search);

}  // namespace kovari::batch
