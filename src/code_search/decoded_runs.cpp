#include "code_search/decoded_runs.h"

#include <string_view>

#include "code_search/records.h"
#include "postaldb/code_lookup_tables.h"
#include "postaldb/code_numbers.h"

namespace kovari::code_search {

namespace {

using postaldb::DecodedGroup;
using postaldb::TextSpan;

TextSpan keep_text(DecodedGroup& group, std::u16string_view text) {
  const TextSpan span{static_cast<std::uint32_t>(group.texts.size()),
                      static_cast<std::uint32_t>(text.size())};
  group.texts.append(text);
  return span;
}

DecodedGroup decode_group(const postaldb::PostalDb& db, postaldb::CodeGroup codes) {
  DecodedGroup group{std::move(codes), {}, {}, {}};
  const std::vector<std::int32_t> main_offsets = postaldb::read_run_offsets(
      db.main_file, db.dir.blk1[3], db.main_codes, group.codes.main_records());
  group.towns.reserve(main_offsets.size());
  TownRecord town;
  for (const std::int32_t offset : main_offsets) {
    postaldb::DecodedTown& entry = group.towns.emplace_back();
    if (!read_town_record(db.main_file, offset, town)) continue;
    entry.readable = true;
    entry.location = town.location;
    entry.kind = static_cast<std::int8_t>(town.kind());
    entry.town_name = keep_text(group, town.town_name());
  }
  const std::vector<std::int32_t> detail_offsets = postaldb::read_run_offsets(
      db.detail_file, db.dir.blk2[3], db.detail_codes, group.codes.detail_records());
  group.details.reserve(detail_offsets.size());
  DetailRecord detail;
  for (const std::int32_t offset : detail_offsets) {
    postaldb::DecodedDetail& entry = group.details.emplace_back();
    if (!read_detail_record(db.detail_file, offset, detail)) continue;
    entry.readable = true;
    entry.location = detail.location;
    entry.attributes = detail.attributes;
    entry.office_name = keep_text(group, detail.office_name);
    entry.town_name = keep_text(group, detail.town_name);
    entry.street = keep_text(group, detail.street);
  }
  group.texts.shrink_to_fit();
  return group;
}

}  // namespace

const DecodedGroup* decoded_group(const postaldb::PostalDb& db, std::uint32_t code) {
  const postaldb::CodeLookupTables& tables = postaldb::code_lookup_tables(db);
  if (!tables.codes.ready()) return nullptr;
  const std::uint32_t g = code / postaldb::CodeDirectory::kGroupSize;
  return &tables.groups.get(g, [&] { return decode_group(db, tables.codes.group(g)); });
}

}  // namespace kovari::code_search
