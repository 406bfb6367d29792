#include "postaldb/directory.h"

#include <string>

namespace kovari::postaldb {

namespace {

constexpr int kBlockEntries = 50;

std::string file_name(const DataFile& file) { return file.path().filename().string(); }

// A cursor at the directory block, or an error when the file is shorter than it.
LoadStatus directory_cursor(const DataFile& file, Cursor& cursor) {
  if (file.length() < kBlockSize) {
    return LoadStatus::failure(file_name(file) + " is shorter than its " +
                               std::to_string(kBlockSize) + "-byte directory block (" +
                               std::to_string(file.length()) + " bytes)");
  }
  cursor = file.at(file.length() - kBlockSize + 1);
  return LoadStatus::success();
}

// Block numbers stored as Integers (every file but the main one).
void read_integer_blocks(Cursor& cursor, std::array<std::int32_t, 51>& blk) {
  for (int k = 1; k <= kBlockEntries; ++k) blk[k] = cursor.read_integer();
}

LoadStatus finish(const Cursor& cursor) {
  return cursor.failed() ? LoadStatus::failure(cursor.error()) : LoadStatus::success();
}

}  // namespace

LoadStatus get_control(const DataFile& main_file, Directory& dir) {
  Cursor cursor = main_file.at(1);
  if (LoadStatus status = directory_cursor(main_file, cursor); !status.ok()) return status;
  for (int k = 1; k <= kBlockEntries; ++k) dir.blk1[k] = cnv_data(cursor.read_long());
  dir.pref_count = cnv_data(cursor.read_long());
  dir.city_count = cnv_data(cursor.read_long());
  dir.code_count = cnv_data(cursor.read_long());
  dir.town_end1 = cursor.read_long();
  dir.bill_count = cnv_data(cursor.read_long());
  return finish(cursor);
}

LoadStatus get_control2(const DataFile& detail_file, Directory& dir) {
  if (detail_file.length() == 0) return LoadStatus::success();
  Cursor cursor = detail_file.at(1);
  if (LoadStatus status = directory_cursor(detail_file, cursor); !status.ok()) return status;
  read_integer_blocks(cursor, dir.blk2);
  cursor.read_long();  // not used
  dir.city_pos2_count = cursor.read_long();
  dir.code2_count = cursor.read_long();
  dir.town_end2 = cursor.read_long();
  cursor.read_long();  // not used
  dir.office_count = cursor.read_long();
  dir.word_count = cursor.read_long();
  dir.chr_file_count = cursor.read_long();
  return finish(cursor);
}

LoadStatus get_control3(const DataFile& third_file, Directory& dir) {
  if (third_file.length() == 0) return LoadStatus::success();
  Cursor cursor = third_file.at(1);
  if (LoadStatus status = directory_cursor(third_file, cursor); !status.ok()) return status;
  read_integer_blocks(cursor, dir.blk3);
  dir.old_code_count = cursor.read_long();
  cursor.read_long();  // not used
  dir.ward_pair_count = cursor.read_long();
  return finish(cursor);
}

LoadStatus get_control4(const DataFile& fourth_file, Directory& dir) {
  if (fourth_file.length() == 0) return LoadStatus::success();
  Cursor cursor = fourth_file.at(1);
  if (LoadStatus status = directory_cursor(fourth_file, cursor); !status.ok()) return status;
  read_integer_blocks(cursor, dir.blk4);
  cursor.read_long();  // not used
  cursor.read_long();  // not used
  dir.tbl4_count = cursor.read_long();
  return finish(cursor);
}

LoadStatus check_table_fits(const DataFile& file, std::int32_t block, std::int64_t count,
                            std::int64_t min_record_size, const char* what) {
  const std::string where = file_name(file) + ": the " + what + " (block " + std::to_string(block) +
                            ", " + std::to_string(count) + " records)";
  if (count < 0) return LoadStatus::failure(where + " has a negative record count");
  if (block < 0) return LoadStatus::failure(where + " has a negative block number");
  // block < 2^31 and count < 2^31, so neither product overflows 64 bits.
  const std::int64_t start = static_cast<std::int64_t>(block) * kBlockSize;
  const std::int64_t end = start + count * min_record_size;
  if (end > file.length()) {
    return LoadStatus::failure(where + " does not fit in the file (" +
                               std::to_string(file.length()) + " bytes)");
  }
  return LoadStatus::success();
}

LoadStatus check_offset(const DataFile& file, std::int64_t offset, std::int64_t limit,
                        const char* what) {
  if (offset < 0 || offset > limit) {
    return LoadStatus::failure(file_name(file) + ": " + what + " " + std::to_string(offset) +
                               " lies outside 0.." + std::to_string(limit));
  }
  return LoadStatus::success();
}

LoadStatus check_directory(const PostalDb& db) {
  // Record sizes: index records 13 bytes, old-code records 11, town-name
  // index records 22; an office name is at least a Variant string and an
  // Integer, a replacement pair two Variant strings.
  constexpr std::int64_t kIndexRecord = 13, kOldCodeRecord = 11, kTownIndexRecord = 22;
  constexpr std::int64_t kMinOfficeRecord = 6, kMinChrRecord = 8;
  const Directory& dir = db.dir;
  const LoadStatus checks[] = {
      check_table_fits(db.main_file, dir.blk1[3], dir.code_count, kIndexRecord,
                       "postal-code index"),
      check_offset(db.main_file, dir.town_end1, db.main_file.length(), "the end of the town areas"),
      check_table_fits(db.detail_file, dir.blk2[3], dir.code2_count, kIndexRecord,
                       "detail postal-code index"),
      check_offset(db.detail_file, dir.town_end2, db.detail_file.length(),
                   "the end of the detail records"),
      check_table_fits(db.detail_file, dir.blk2[6], dir.office_count, kMinOfficeRecord,
                       "office-name table"),
      check_table_fits(db.detail_file, dir.blk2[9], dir.chr_file_count, kMinChrRecord,
                       "character-replacement table"),
      check_table_fits(db.third_file, dir.blk3[1], dir.old_code_count, kOldCodeRecord,
                       "old-code table"),
      check_table_fits(db.fourth_file, dir.blk4[3], dir.tbl4_count, kTownIndexRecord,
                       "town-name index"),
  };
  for (const LoadStatus& status : checks) {
    if (!status.ok()) return status;
  }
  return LoadStatus::success();
}

}  // namespace kovari::postaldb
