// The conditions of the partial-match list as the refinement examines them:
// one item per condition of a record's bracketed part, in the order in which
// the first fitting item wins.
#pragma once

#include <string>
#include <vector>

#include "resolve/resolve_state.h"

namespace kovari::resolve {

struct ConditionItem {
  std::u16string name;       // the record's trimmed base name
  std::u16string condition;  // one condition of its bracketed part
  std::u16string code;       // the record's postal code, seven digits
  char kind = '0';           // '0' prefix match, '1' with the building, '2' exact base name
};

inline constexpr int kMaxConditionItems = 100;

// Cuts the bracketed part of every stored entry at "、" into items (at most
// kMaxConditionItems). Once an entry of kind '1' or '2' has been seen, entries
// of kind '0' are left out.
std::vector<ConditionItem> collect_condition_items(const PartialMatches& list);

// Orders the items by kind, '2' first, and within a kind by condition text in
// descending code order, with the exchange sort whose order among equal keys
// the examination relies on.
void order_condition_items(std::vector<ConditionItem>& items);

}  // namespace kovari::resolve
