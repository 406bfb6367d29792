#include "resolve/refine_items.h"

#include <utility>

#include "text/vb.h"

namespace kovari::resolve {

namespace {

// The conditions of one bracketed part "（a、b、c）"; a trailing "、" adds no item.
std::vector<std::u16string> split_conditions(std::u16string_view paren) {
  const std::u16string inner = text::Mid(paren, 2, text::Len(paren) - 2);
  std::vector<std::u16string> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = inner.find(u'、', start);
    pieces.push_back(inner.substr(start, comma == std::u16string::npos ? comma : comma - start));
    if (comma == std::u16string::npos) break;
    start = comma + 1;
  }
  if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  return pieces;
}

}  // namespace

std::vector<ConditionItem> collect_condition_items(const PartialMatches& list) {
  std::vector<ConditionItem> items;
  for (int i = 0; i < list.stored(); ++i) {
    if (list.part_match_seen != 0 && list.part_match_kind[i] == '0') continue;
    const std::string& code = list.part_match_code[i];
    for (std::u16string& condition : split_conditions(list.part_match_paren[i])) {
      if (static_cast<int>(items.size()) >= kMaxConditionItems) return items;
      items.push_back({list.part_match_name[i], std::move(condition),
                       std::u16string(code.begin(), code.end()), list.part_match_kind[i]});
    }
  }
  return items;
}

void order_condition_items(std::vector<ConditionItem>& items) {
  for (std::size_t a = 0; a + 1 < items.size(); ++a) {
    for (std::size_t b = a + 1; b < items.size(); ++b) {
      const bool later_first =
          items[a].kind < items[b].kind ||
          (items[a].kind == items[b].kind && items[a].condition < items[b].condition);
      if (later_first) std::swap(items[a], items[b]);
    }
  }
}

}  // namespace kovari::resolve
