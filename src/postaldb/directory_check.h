// Whether the directories of the data files can be believed: checked against
// their files and against themselves before any table is read.
#pragma once

#include <cstdint>

#include "postaldb/data_file.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"

namespace kovari::postaldb {

// Checks the directories against their files and against themselves before
// any table is read, so that a broken file is named, with what is wrong with
// it, before any search runs, and no search meets a count or a position its
// file cannot hold:
//  - the directory of a file that is there names a table, and every block
//    number lies inside the file, before its directory block;
//  - the tables every search needs have records (prefectures, cities, the
//    postal-code index, the town-name index of a fourth file), and the main
//    file has town-area records;
//  - no count is negative; a table with records has a block (but for those the
//    load skips when their block is 0) and its records fit before the
//    directory block; the record areas end inside their files.
// The third file is checked when its directory was read (`third_read`).
LoadStatus check_directory(const PostalDb& db, bool third_read);

// An error unless 0 <= offset <= limit; `what` names the value.
LoadStatus check_offset(const DataFile& file, std::int64_t offset, std::int64_t limit,
                        const char* what);

}  // namespace kovari::postaldb
