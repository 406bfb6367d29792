// Reading a municipality's town-area records from the main file through the
// town-record cache: a repeated resolution in one municipality reads memory,
// and each record's comparison forms are derived once, when it is read.
#pragma once

#include <cstdint>
#include <deque>

#include "postaldb/data_file.h"
#include "postaldb/tables.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Walks the records from `first` until the position reaches `last`. The
// cache serves the records it holds (it is emptied first when it does not
// hold `first` or was read from another file) and takes in those read from
// the file while it holds fewer than kTownCacheLimit.
class TownRecordReader {
 public:
  TownRecordReader(TownCache& cache, const postaldb::DataFile& file,
                   const postaldb::PostalTables& tables, std::int64_t first, std::int64_t last);
  ~TownRecordReader();  // limits the cache to kTownCacheKept records

  // The next record, or nullptr at the end of the range or on a read error.
  // Every record returned stays valid as long as the reader.
  const TownRecord* next();

 private:
  TownCache& cache_;
  const postaldb::DataFile& file_;
  const postaldb::PostalTables& tables_;
  std::int64_t pos_;
  std::int64_t last_;
  std::size_t index_ = 0;            // next cached record to serve
  std::deque<TownRecord> overflow_;  // records read beyond the cache's bound
};

// The text with ヶ, ケ, が and ガ written alike: the data and the people who
// type addresses spell 霞が関, 霞ヶ関 and 霞ケ関 for one name.
std::u16string fold_ke(std::u16string_view s);

// Reads the record at `pos` and derives its comparison forms; false on a
// read error.
bool read_town_record(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                      std::int64_t pos, TownRecord& out);

}  // namespace kovari::resolve
