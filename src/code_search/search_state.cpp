#include "code_search/search_state.h"

namespace kovari::code_search {

CodeSearchState::CodeSearchState() : res_pos(kMaxResults + 1) {
  for (auto* table : {&res_address, &res_pobox, &res_office}) {
    for (std::vector<std::u16string>& column : *table) column.resize(kMaxResults + 1);
  }
}

}  // namespace kovari::code_search
