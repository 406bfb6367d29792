#include "resolve/detail_pass.h"

#include <algorithm>

#include "decompose/normalize.h"
#include "resolve/detail_reader.h"
#include "resolve/detail_record.h"
#include "resolve/level_rules.h"
#include "resolve/resolve_walk.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kTownArea, decompose::kBuilding;

namespace {

int kyoto_mode_of(const ResolveState& st, const postaldb::PostalTables& tables) {
  const auto& kyoto = tables.city_group[kKyotoGroup];
  return st.found_city != 0 && st.found_city >= kyoto[1] && st.found_city <= kyoto[2] ? 1 : 0;
}

// The record's town-area name in the form the input's town area has after
// decomposition and its preparation (wide, without 大字 and the 字 part, ケ,
// 条/線 numbers in kanji), so that the quick containment test does not pass
// over a record whose address decomposes to the input's parts.
std::u16string comparable_town(std::u16string_view town_name,
                               const postaldb::PostalTables& tables) {
  std::u16string town = text::to_wide(town_name);
  decompose::DecompositionSlot scratch;
  strip_aza(town, scratch, 1, tables);
  decompose::normalize_ke(town);
  if (text::InStr(town, u"条") != 0 || text::InStr(town, u"線") != 0) {
    int added = 0;
    decompose::jo_sen_to_kanji(town, tables, added);
  }
  return town;
}

// The detail record in slot 2 names the same place as the input in slot 1.
bool same_place(const decompose::Decomposition& d) {
  const decompose::DecompositionSlot& detail = d.slot[2];
  const decompose::DecompositionSlot& input = d.slot[1];
  return detail.addr_part[kTownArea] == input.addr_part[kTownArea] &&
         detail.koaza_text == input.koaza_text && detail.kyoto_direction == input.kyoto_direction &&
         compare_block_parts(d) == 1;
}

}  // namespace

void match_detail_records(ResolveState& st, decompose::Decomposition& d,
                          const ResolveContext& ctx) {
  const postaldb::PostalTables& tables = ctx.db.tables;
  DetailRecordReader reader(ctx.caches.detail_cache, ctx.db.detail_file, st.detail_first,
                            st.detail_last, ctx.running.any());
  const DetailAddressOptions options{kyoto_mode_of(st, tables),
                                     ctx.settings.flag(settings::Flag::kApproximate)};
  const std::u16string town = text::Trim(d.slot[1].addr_part[kTownArea]);
  std::u16string first_fit;
  while (const DetailRecord* record = reader.next()) {
    // Only records whose town name holds the input's town area, or begins it
    // (a street part without numbers joins the town area), are decomposed.
    const std::u16string record_town = comparable_town(record->town_name, tables);
    if (text::InStr(record_town, town) == 0 && !town.starts_with(record_town)) continue;
    std::u16string address = record->town_name;
    address += street_address(*record);
    decompose_detail_record(address, d, tables, options);
    if (!same_place(d)) continue;
    // A record at the same numbers that names the input's building (or, like
    // the input, none) ends the scan; the first one that names another
    // building is kept in case no such record follows.
    if (d.slot[2].addr_part[kBuilding] == d.slot[1].addr_part[kBuilding]) {
      st.result_code.assign(record->code.begin(), record->code.end());
      return;
    }
    if (first_fit.empty()) first_fit.assign(record->code.begin(), record->code.end());
  }
  reader.trim_cache();
  if (!first_fit.empty()) st.result_code = first_fit;
}

}  // namespace kovari::resolve
