// What the exact look-ups of a code read besides the data files: the
// directory of the codes of both indexes, their groups with their records
// decoded, each made by the first look-up of one of its codes, and the names
// an address line begins with. Made by the first look-up (of any thread) and
// kept with the database: the start-up load and the windows that look up no
// code do not pay for them.
#pragma once

#include "postaldb/code_directory.h"
#include "postaldb/decoded_records.h"
#include "postaldb/location_texts.h"
#include "postaldb/made_on_first_use.h"

namespace kovari::postaldb {

struct PostalDb;

struct CodeLookupTables {
  CodeDirectory codes;
  // One for each group of the directory (code_search/decoded_runs.h).
  EachMadeOnFirstUse<DecodedGroup> groups;
  LocationTexts locations;
};

// The tables of db, made on the first call.
const CodeLookupTables& code_lookup_tables(const PostalDb& db);

}  // namespace kovari::postaldb
