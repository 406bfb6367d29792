#include "resolve/refine.h"

#include "resolve/condition_address.h"
#include "resolve/refine_examine.h"
#include "resolve/refine_items.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kTownArea;

namespace {

// The town area with what resolution cut from it: the Kyoto street direction,
// else the 字 text.
std::u16string town_text(const decompose::DecompositionSlot& slot) {
  std::u16string t = text::Trim(slot.addr_part[kTownArea]);
  t += slot.kyoto_direction.empty() ? slot.koaza_text : slot.kyoto_direction;
  return t;
}

}  // namespace

bool refine_partial_matches(int kyoto_mode, ResolveState& st, decompose::Decomposition& d,
                            const postaldb::PostalTables& tables) {
  std::vector<ConditionItem> items = collect_condition_items(st.part_match);
  order_condition_items(items);

  decompose::DecompositionSlot& slot = d.current();
  const ConditionAddress address = condition_address(slot);
  ConditionExamination exam(kyoto_mode == 1, town_text(slot), address, tables.kanji_num);
  bool found = false;
  for (const ConditionItem& item : items) {
    if (exam.fits(item)) {
      st.result_code = item.code;
      found = true;
      break;
    }
  }

  // No condition fits: a building whose floor is not listed, the next
  // building, the 大字 entry.
  if (!found && !exam.no_floor_code().empty()) {
    if (slot.building_found == 1) {
      st.result_code = exam.no_floor_code();
      return true;
    }
    if (!exam.next_building_code().empty() && slot.building_split == 1) {
      st.result_code = exam.next_building_code();
      return true;
    }
  }
  if (!found && !exam.oaza_code().empty()) {
    st.result_code = exam.oaza_code();
    return true;
  }
  if (!exam.next_building_code().empty()) slot.building_split = 1;
  // "その他" decides at once for an address without a town area, else only
  // when nothing else fits.
  if (exam.town_text().empty() && !exam.other_code().empty()) {
    st.result_code = exam.other_code();
    return true;
  }
  if (found) return true;
  if (!exam.other_code().empty()) {
    st.result_code = exam.other_code();
    return true;
  }
  return false;
}

}  // namespace kovari::resolve
