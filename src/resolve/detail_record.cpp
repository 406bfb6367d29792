#include "resolve/detail_record.h"

#include "resolve/town_area_form.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kBanchiNumber, decompose::kBuilding, decompose::kChomeNumber,
    decompose::kExtraNumber, decompose::kGoNumber, decompose::kPref, decompose::kTownArea,
    decompose::kWardTown;

void decompose_detail_record(std::u16string_view address, decompose::Decomposition& d,
                             const postaldb::PostalTables& tables,
                             const DetailAddressOptions& options) {
  decompose::DecompositionSlot& slot = d.detail_slot();
  const decompose::DecompositionSlot& input = d.slot[1];
  slot.addr_flag.fill(0);
  for (int k = kPref; k <= kExtraNumber; ++k) {
    slot.addr_part[k] = k <= kWardTown ? input.addr_part[k] : u"";
  }
  slot.building_found = 0;
  slot.building_split = 0;
  slot.koaza_text.clear();
  slot.kyoto_direction.clear();

  decompose::Decomposition typed;
  for (int k = kPref; k <= kWardTown; ++k) {
    typed.addr_text += text::Trim(input.addr_part[k]);
  }
  typed.addr_text += address;
  decompose::decompose_address(typed, tables, {options.approximate_match, 0});
  if (typed.decomp_status == decompose::DecompStatus::kBuilding) return;

  const decompose::DecompositionSlot& parsed = typed.slot[1];
  for (int k = kTownArea; k <= kExtraNumber; ++k) {
    slot.addr_part[k] = parsed.addr_part[k];
  }
  slot.addr_flag = parsed.addr_flag;
  slot.building_found = parsed.building_found;
  slot.building_split = parsed.building_split;

  prepare_slot_town_area(slot, options.kyoto_mode, tables);
}

int compare_block_parts(const decompose::Decomposition& d) {
  const auto& detail = d.slot[2].addr_part;
  const auto& input = d.slot[1].addr_part;
  const bool same = detail[kChomeNumber] == input[kChomeNumber] &&
                    detail[kBanchiNumber] == input[kBanchiNumber] &&
                    detail[kGoNumber] == input[kGoNumber] &&
                    detail[kExtraNumber] == input[kExtraNumber] &&
                    (detail[kBuilding] == input[kBuilding] || input[kBuilding].empty());
  return same ? 1 : 0;
}

}  // namespace kovari::resolve
