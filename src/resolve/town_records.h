// Reading a municipality's town-area records from the main file through the
// town-record cache: a repeated resolution in one municipality reads memory.
#pragma once

#include <cstdint>

#include "postaldb/data_file.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Walks the records from `first` until the position reaches `last`. The
// cache serves the records it holds (it is emptied first when it does not
// hold `first`, or when `keep_cache` is false) and takes in those read from
// the file while it holds fewer than kTownCacheLimit.
class TownRecordReader {
 public:
  TownRecordReader(TownCache& cache, const postaldb::DataFile& file, std::int64_t first,
                   std::int64_t last, bool keep_cache);
  ~TownRecordReader();  // limits the cache to kTownCacheKept records

  // The next record, or nullptr at the end of the range or on a read error.
  const TownRecord* next();

 private:
  TownCache& cache_;
  const postaldb::DataFile& file_;
  std::int64_t pos_;
  std::int64_t last_;
  std::size_t index_ = 0;  // next cached record to serve
  TownRecord scratch_;
};

}  // namespace kovari::resolve
