// The groups of codes of the postal-code indexes with their records decoded
// (postaldb::DecodedGroup), each made by the first exact look-up of one of its
// codes and kept: the look-ups that follow copy a run's names instead of
// decoding its records, and a single look-up decodes one group.
#pragma once

#include <cstdint>

#include "postaldb/decoded_records.h"
#include "postaldb/postal_db.h"

namespace kovari::code_search {

// The group of a seven-digit code given as its value (below 10,000,000),
// made on the first call for a code of the group: an entry for each of its
// index records when their runs are known whole, the record read as
// read_town_record or read_detail_record reads it. Nothing when db's
// directory of codes is not ready.
const postaldb::DecodedGroup* decoded_group(const postaldb::PostalDb& db, std::uint32_t code);

}  // namespace kovari::code_search
