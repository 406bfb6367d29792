// Reading a municipality's detail records (large-volume offices and
// post-office boxes) from the detail file through the detail-record cache, so
// that repeated resolutions in one municipality read memory.
#pragma once

#include <cstdint>
#include <string_view>

#include "postaldb/data_file.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Reads one detail record at a 1-based position, the town-area name and the
// street part in narrow form; false on a read error.
bool read_detail_record(const postaldb::DataFile& file, std::int64_t position,
                        DetailRecord& record);

// The street part without its bracketed post-office-box text, when the
// record's attributes say it has one.
std::u16string_view street_address(const DetailRecord& record);

// Walks the records from `first` until the position reaches `last`. The cache
// serves the records it holds (it is emptied first when it does not hold
// `first`, or when `keep_cache` is false) and takes in those read from the
// file while it holds fewer than kDetailCacheLimit.
class DetailRecordReader {
 public:
  DetailRecordReader(DetailCache& cache, const postaldb::DataFile& file, std::int64_t first,
                     std::int64_t last, bool keep_cache);

  // The next record, or nullptr at the end of the range or on a read error.
  const DetailRecord* next();

  // After a scan without a match: keeps at most kDetailCacheKept records.
  void trim_cache();

 private:
  DetailCache& cache_;
  const postaldb::DataFile& file_;
  std::int64_t pos_;
  std::int64_t last_;
  std::size_t index_ = 0;  // next cached record to serve
  bool from_cache_ = false;
  DetailRecord scratch_;
};

}  // namespace kovari::resolve
