#include "batch/address_record.h"

#include "session/convert_code.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

using decompose::kBuilding, decompose::kCity, decompose::kPref, decompose::kTownArea,
    decompose::kWardTown;

using text::InStr;
using text::Left;
using text::Len;
using text::Right;

LatestAddress get_address(Session& session, Host& host, const AddressOutcome& outcome) {
  const CodeOutcome found = convert_code(session, host, outcome.code, CallerMode::kBatchAddress);
  const decompose::DecompositionSlot& slot = outcome.decomposition.current();
  const auto& len = slot.part_len;
  LatestAddress p = LatestAddress::blank();
  std::u16string s = outcome.decomposition.addr_text;

  // Building: from the building name on.
  if (!slot.addr_part[kBuilding].empty()) {
    if (const int at = InStr(s, text::to_wide(slot.addr_part[kBuilding])); at != 0) {
      p.part4 = text::Mid(s, at);
      s = Left(s, at - 1);
    }
  }
  // Block numbers: what follows the prefecture, city, ward and town area.
  const int m = len[kPref] + len[kCity] + len[kWardTown] + len[kTownArea] - slot.added_len;
  if (Len(s) > m) {
    p.part3 = Right(s, Len(s) - m);
    s = Left(s, m);
  }
  // Town area: the record's own text where the code search left one.
  const int q = len[kPref] + len[kCity] + len[kWardTown] - slot.added_len;
  const std::u16string& town = found.town_text;
  if (!town.empty()) {
    p.part2 = town;
    if (!slot.koaza_text.empty() && InStr(p.part2, slot.koaza_text) == 0) {
      p.part2 += u"字" + slot.koaza_text;
    } else if (slot.koaza_text.empty() && !slot.kyoto_direction.empty() &&
               outcome.levels.city != 0) {
      p.part2 = slot.kyoto_direction + p.part2;
    } else if (std::u16string_view(slot.addr_part[kTownArea]).starts_with(p.part2)) {
      p.part2 = slot.addr_part[kTownArea];
    }
  } else {
    p.part2 = Right(s, Len(s) - q);
  }
  // Prefecture to municipality: the code's own address line, unless it names a
  // range, less the town-area text that part 2 already carries.
  if (InStr(found.address, u"～") == 0) {
    p.part1 = found.address;
    const int town_at = town.empty() ? 0 : text::InStrRev(p.part1, town);
    if (town_at > 1 && town_at + Len(town) - 1 == Len(p.part1))
      p.part1 = Left(p.part1, town_at - 1);
  } else if (Len(s) > q) {
    p.part1 = Left(s, q);
  }
  return p;
}

}  // namespace kovari::batch
