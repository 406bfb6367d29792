#include "batch/address_record.h"

#include "code_search/code_search.h"
#include "decompose/normalize.h"
#include "decompose/text_scan.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

using text::InStr;
using text::Left;
using text::Len;
using text::Right;

void set_kansuuji(std::u16string& address, const postaldb::PostalTables& tables, int& part_len10) {
  if (InStr(address, u"京都市") == 0 && InStr(address, u"区") == 0) return;
  const int jo = InStr(address, u"条");
  if (jo > 1 && decompose::digit_at(address, jo - 1)) {
    decompose::jo_sen_to_kanji(address, tables, part_len10);
  }
}

LatestAddress get_address(std::u16string_view address, const decompose::Decomposition& d,
                          const resolve::ResolveState& st,
                          const code_search::SearchContext& search) {
  code_search::CodeSearchState found;
  found.in_code = st.result_code;
  found.out_address.clear();
  code_search::sertch_kovari1(search, found);

  const decompose::DecompositionSlot& slot = d.current();
  const auto& len = slot.part_len;
  LatestAddress p = LatestAddress::blank();
  std::u16string s(address);

  // Building: from the building name on.
  if (!slot.addr_part[8].empty()) {
    if (const int at = InStr(s, text::to_wide(slot.addr_part[8])); at != 0) {
      p.part4 = text::Mid(s, at);
      s = Left(s, at - 1);
    }
  }
  // Block numbers: what follows the prefecture, city, ward and town area.
  const int m = len[1] + len[2] + len[3] + len[4] - len[10];
  if (Len(s) > m) {
    p.part3 = Right(s, Len(s) - m);
    s = Left(s, m);
  }
  // Town area: the record's own text where the code search left one.
  const int q = len[1] + len[2] + len[3] - len[10];
  const std::u16string town = found.res_address[0].size() > 1 ? found.res_address[0][1] : u"";
  if (!town.empty()) {
    p.part2 = town;
    if (!slot.koaza_text.empty() && InStr(p.part2, slot.koaza_text) == 0) {
      p.part2 += u"字" + slot.koaza_text;
    } else if (slot.koaza_text.empty() && !slot.kyoto_direction.empty() && st.city_seen == 1) {
      p.part2 = slot.kyoto_direction + p.part2;
    } else if (std::u16string_view(slot.addr_part[4]).starts_with(p.part2)) {
      p.part2 = slot.addr_part[4];
    }
  } else {
    p.part2 = Right(s, Len(s) - q);
  }
  // Prefecture to municipality: the code's own address line, unless it names a
  // range, less the town-area text that part 2 already carries.
  if (InStr(found.out_address, u"～") == 0) {
    p.part1 = found.out_address;
    const int town_at = town.empty() ? 0 : text::InStrRev(p.part1, town);
    if (town_at > 1 && town_at + Len(town) - 1 == Len(p.part1))
      p.part1 = Left(p.part1, town_at - 1);
  } else if (Len(s) > q) {
    p.part1 = Left(s, q);
  }
  return p;
}

}  // namespace kovari::batch
