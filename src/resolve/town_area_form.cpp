#include "resolve/town_area_form.h"

#include "decompose/normalize.h"
#include "resolve/kyoto_direction.h"
#include "resolve/level_rules.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kTownArea, decompose::kChomeNumber;

void prepare_slot_town_area(decompose::DecompositionSlot& slot, int kyoto_mode,
                            const postaldb::PostalTables& tables, std::u16string& room) {
  text::to_wide(text::trim_view(slot.addr_part[kTownArea]), room);
  prepare_wide_town_area(room, slot, kyoto_mode, tables);
  slot.addr_part[kTownArea].swap(room);
}

void prepare_wide_town_area(std::u16string& area, decompose::DecompositionSlot& slot,
                            int kyoto_mode, const postaldb::PostalTables& tables) {
  strip_aza(area, slot, 1, tables);
  const std::size_t typed_length = area.size();
  drop_kanji_chome(area, slot.addr_part[kChomeNumber], tables);
  // The batch's latest address carries a 丁目 typed in kanji with the block
  // numbers, as it does one typed in digits (永田町 and 二丁目３－１).
  if (const auto dropped = static_cast<int>(typed_length - area.size());
      dropped > 0 && slot.part_len[kTownArea] > dropped) {
    slot.part_len[kTownArea] -= dropped;
  }
  strip_kyoto_direction(kyoto_mode, area, slot.kyoto_direction);
  decompose::normalize_ke(area);
}

}  // namespace kovari::resolve
