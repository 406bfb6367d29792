// The records of the postal-code indexes' runs decoded once
// (postaldb::DecodedRecords), made by the first exact look-up of a code: the
// look-ups that follow copy a run's names instead of decoding its records.
#pragma once

#include "postaldb/decoded_records.h"
#include "postaldb/postal_db.h"

namespace kovari::code_search {

// The decoded records of db, made on the first call: an entry for each index
// record of an index whose runs postaldb::code_lookup_tables knows whole, the
// record read as read_town_record or read_detail_record reads it.
const postaldb::DecodedRecords& decoded_records(const postaldb::PostalDb& db);

}  // namespace kovari::code_search
