// Reading the directory block at the end of each data file, and checking that
// the tables it points at lie inside their files.
#pragma once

#include "postaldb/data_file.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
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

// Checks that the tables the searches read on demand (the two postal-code
// indexes, the office names, the old-code table, the town-name index), the
// character-replacement table (sized before it is read) and the
// ends of the record areas lie inside their files, so a search never meets a
// count or a position the file cannot hold.
LoadStatus check_directory(const PostalDb& db);

// The 1-based position of table block `block`.
inline std::int64_t block_position(std::int32_t block) {
  return static_cast<std::int64_t>(block) * kBlockSize + 1;
}

// The smallest size in bytes of one record of each table, for
// check_table_fits: a Variant string takes at least its 4-byte head, an office
// name record a Variant string and an Integer.
namespace min_record {
inline constexpr std::int64_t kPrefecture = 4 + 4;
inline constexpr std::int64_t kCity = 4 + 4 + 4 + 2;
inline constexpr std::int64_t kCodeIndex = 7 + 4 + 2;
inline constexpr std::int64_t kBuilding = 7 + 2 + 4 + 4;
inline constexpr std::int64_t kCityPosition = 2 + 4;
inline constexpr std::int64_t kOffice = 4 + 2;
inline constexpr std::int64_t kWord = 4;
inline constexpr std::int64_t kCharacterPair = 4 + 4;
inline constexpr std::int64_t kOldCode = 5 + 4 + 2;
inline constexpr std::int64_t kWardPair = 4 + 4;
inline constexpr std::int64_t kTownIndex = 16 + 4 + 2;
}  // namespace min_record

// An error unless `count` records of at least `min_record_size` bytes each,
// starting at block `block`, fit inside the file. `what` names the table.
LoadStatus check_table_fits(const DataFile& file, std::int32_t block, std::int32_t count,
                            std::int64_t min_record_size, const char* what);

// An error unless 0 <= offset <= limit; `what` names the value.
LoadStatus check_offset(const DataFile& file, std::int64_t offset, std::int64_t limit,
                        const char* what);

}  // namespace kovari::postaldb
