// Reading the directory block at the end of each data file.
#pragma once

#include "postaldb/data_file.h"
#include "postaldb/load_status.h"
#include "postaldb/tables.h"

namespace kovari::postaldb {

// Size of the directory block that ends every data file, and of a table block.
inline constexpr std::int64_t kBlockSize = 1024;

// Success, or the error of a cursor that met the end of its file or a bad value.
LoadStatus status_of(const Cursor& cursor);

// The main file's directory: block numbers blk1(1..50) and the counts, all
// float-coded except town_end1, then the data date when the file records it.
// The file must hold at least one block.
LoadStatus get_control(const DataFile& main_file, Directory& dir);
// The detail file's directory (blk2, its counts). An empty file leaves them 0.
LoadStatus get_control2(const DataFile& detail_file, Directory& dir);
// The third file's directory (blk3, old_code_count, ward_pair_count).
LoadStatus get_control3(const DataFile& third_file, Directory& dir);
// The fourth file's directory (blk4, tbl4_count).
LoadStatus get_control4(const DataFile& fourth_file, Directory& dir);

// The 1-based position of table block `block`.
inline std::int64_t block_position(std::int32_t block) {
  return static_cast<std::int64_t>(block) * kBlockSize + 1;
}

}  // namespace kovari::postaldb
