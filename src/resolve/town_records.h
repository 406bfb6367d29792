// Reading a municipality's town-area records from the main file through the
// town-record cache: a later resolution in a municipality already read, in
// whatever order the addresses come, reads memory, and each record's
// comparison forms are derived once, when it is read.
#pragma once

#include <cstdint>

#include "postaldb/data_file.h"
#include "postaldb/tables.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Walks the records from `first` until the position reaches `last`. The
// cache (of the loaded main file: the session empties it when it loads the
// data) serves the records of the range it holds and keeps those read from
// the file.
class TownRecordReader {
 public:
  TownRecordReader(TownCache& cache, const postaldb::DataFile& file,
                   const postaldb::PostalTables& tables, std::int64_t first, std::int64_t last);

  // The next record, or nullptr at the end of the range or on a read error.
  // Every record returned stays valid as long as the cache holds it.
  const TownRecord* next();

 private:
  TownRun& run_;
  const postaldb::DataFile& file_;
  const postaldb::PostalTables& tables_;
  std::int64_t pos_;
  std::int64_t last_;
  std::size_t index_ = 0;  // next cached record to serve
};

// Reads the record at `pos` and derives its comparison forms; false on a
// read error.
bool read_town_record(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                      std::int64_t pos, TownRecord& out);

}  // namespace kovari::resolve
