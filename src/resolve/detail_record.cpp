#include "resolve/detail_record.h"

#include "resolve/town_area_form.h"
#include "text/vb.h"

namespace kovari::resolve {

void decompose_detail_record(std::u16string_view address, decompose::Decomposition& d,
                             const postaldb::PostalTables& tables,
                             const DetailAddressOptions& options) {
  d.addr_slot = 2;
  const decompose::DecompositionSlot& input = d.slot[1];
  decompose::DecompositionSlot& slot = d.slot[2];
  for (int k = 1; k <= 30; ++k) slot.addr_flag[k] = 0;
  for (int k = 1; k <= 9; ++k) slot.addr_part[k] = k <= 3 ? input.addr_part[k] : u"";
  slot.building_found = 0;
  slot.building_split = 0;
  slot.koaza_text.clear();
  slot.kyoto_direction.clear();

  decompose::Decomposition typed;
  for (int k = 1; k <= 3; ++k) typed.addr_text += text::Trim(input.addr_part[k]);
  typed.addr_text += address;
  decompose::decompose_address(typed, tables, {options.approximate_match, 0});
  if (typed.decomp_status == u"ok") return;

  const decompose::DecompositionSlot& parsed = typed.slot[1];
  for (int k = 4; k <= 9; ++k) slot.addr_part[k] = parsed.addr_part[k];
  for (int k = 1; k <= 30; ++k) slot.addr_flag[k] = parsed.addr_flag[k];
  slot.building_found = parsed.building_found;
  slot.building_split = parsed.building_split;

  prepare_slot_town_area(slot, options.kyoto_mode, tables);
}

int compare_block_parts(const decompose::Decomposition& d) {
  const auto& detail = d.slot[2].addr_part;
  const auto& input = d.slot[1].addr_part;
  const bool same = detail[5] == input[5] && detail[6] == input[6] && detail[7] == input[7] &&
                    detail[9] == input[9] && (detail[8] == input[8] || input[8].empty());
  return same ? 1 : 0;
}

}  // namespace kovari::resolve
