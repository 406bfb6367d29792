#include "code_search/decoded_runs.h"

#include <string_view>

#include "code_search/records.h"
#include "postaldb/code_lookup_tables.h"

namespace kovari::code_search {

namespace {

using postaldb::DecodedRecords;
using postaldb::TextSpan;

TextSpan keep_text(DecodedRecords& records, std::u16string_view text) {
  const TextSpan span{static_cast<std::uint32_t>(records.texts.size()),
                      static_cast<std::uint32_t>(text.size())};
  records.texts.append(text);
  return span;
}

DecodedRecords decode_records(const postaldb::PostalDb& db) {
  const postaldb::CodeLookupTables& tables = postaldb::code_lookup_tables(db);
  DecodedRecords records;
  records.towns.reserve(tables.main_offsets.size());
  TownRecord town;
  for (const std::int32_t offset : tables.main_offsets) {
    postaldb::DecodedTown& entry = records.towns.emplace_back();
    if (!read_town_record(db.main_file, offset, town)) continue;
    entry.readable = true;
    entry.location = town.location;
    entry.kind = static_cast<std::int8_t>(town.kind());
    entry.town_name = keep_text(records, town.town_name());
  }
  records.details.reserve(tables.detail_offsets.size());
  DetailRecord detail;
  for (const std::int32_t offset : tables.detail_offsets) {
    postaldb::DecodedDetail& entry = records.details.emplace_back();
    if (!read_detail_record(db.detail_file, offset, detail)) continue;
    entry.readable = true;
    entry.location = detail.location;
    entry.attributes = detail.attributes;
    entry.office_name = keep_text(records, detail.office_name);
    entry.town_name = keep_text(records, detail.town_name);
    entry.street = keep_text(records, detail.street);
  }
  records.texts.shrink_to_fit();
  return records;
}

}  // namespace

const DecodedRecords& decoded_records(const postaldb::PostalDb& db) {
  return db.decoded_records.get([&db] { return decode_records(db); });
}

}  // namespace kovari::code_search
