// What the exact look-ups of a code read besides the data files: the
// directory of the codes of both indexes, the offsets of their records, and
// the names an address line begins with. Made by the first look-up (of any
// thread) and kept with the database: the start-up load and the windows that
// look up no code do not pay for them.
#pragma once

#include <cstdint>
#include <vector>

#include "postaldb/code_directory.h"
#include "postaldb/location_texts.h"

namespace kovari::postaldb {

struct PostalDb;

struct CodeLookupTables {
  CodeDirectory codes;
  // The offsets of the index records, where every run of the index is whole
  // (read_run_offsets); else empty.
  std::vector<std::int32_t> main_offsets;
  std::vector<std::int32_t> detail_offsets;
  LocationTexts locations;
};

// The tables of db, made on the first call.
const CodeLookupTables& code_lookup_tables(const PostalDb& db);

}  // namespace kovari::postaldb
