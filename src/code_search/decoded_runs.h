// The groups of codes of the postal-code indexes with their records decoded
// (postaldb::DecodedGroup), each made by the first exact look-up of one of its
// codes and kept: the look-ups that follow copy a run's names instead of
// decoding its records, and a single look-up decodes one group.
#pragma once

#include <cstdint>

#include "postaldb/decoded_records.h"
#include "postaldb/postal_db.h"

namespace kovari::code_search {

// Group g (below postaldb::CodeDirectory::kGroups) of db's ready directory of
// codes, made on the first call for it: an entry for each of its index
// records when their runs are known whole, the record read as
// read_town_record or read_detail_record reads it.
const postaldb::DecodedGroup& decoded_group(const postaldb::PostalDb& db, std::uint32_t g);

}  // namespace kovari::code_search
