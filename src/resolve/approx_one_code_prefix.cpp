// A town name that begins records which all carry one code (西和賀町湯田 of
// 湯田１９地割～湯田２１地割): that code. Records of different codes leave the
// address as it was (the list in the window, the catch-all in a batch).
#include "decompose/decomposition.h"
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"
#include "resolve/name_form.h"
#include "resolve/resolve_address.h"

namespace kovari::resolve {

std::optional<std::u16string> one_code_of_prefix(const Attempt& base, const TownAreaView& view) {
  const decompose::DecompositionSlot& slot = base.d.slot[1];
  // A 地割 number was typed: its range decides, not the name.
  if (slot.addr_flag[decompose::kChiwari] != 0) return std::nullopt;
  const std::u16string area = comparison_form(slot.addr_part[decompose::kTownArea]);
  if (area.size() < 2) return std::nullopt;
  std::optional<std::u16string> code;
  int records = 0;
  bool numbered = false;  // a number follows the name in the record (湯田１９地割)
  for (const TownRecord* rec : view.records) {
    const std::u16string_view name =
        rec->whole_fold().starts_with(area) ? rec->whole_fold() : rec->base_fold();
    if (name.size() <= area.size() || !name.starts_with(area)) continue;
    if (code && *code != rec->code()) return std::nullopt;
    code = std::u16string(rec->code());
    ++records;
    const char16_t next = name[area.size()];
    numbered = numbered || is_any_digit(next) || is_kanji_numeral(next) || next == u'第';
  }
  // One record is taken only where the name goes on with a number.
  if (records > 1 || (records == 1 && numbered)) return code;
  return std::nullopt;
}

}  // namespace kovari::resolve
