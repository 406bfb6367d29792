#include "postaldb/directory.h"

#include <functional>
#include <string>

#include "postaldb/data_date.h"

namespace kovari::postaldb {

namespace {

constexpr int kBlockEntries = 50;

// Reads the values of the directory block at the end of `file` with
// `read_values`, or refuses a file shorter than that block.
LoadStatus read_directory(const DataFile& file, const std::function<void(Cursor&)>& read_values) {
  if (file.length() < kBlockSize) {
    return LoadStatus::failure(LoadProblem::kFileDamaged,
                               file.name() + " is shorter than its " + std::to_string(kBlockSize) +
                                   "-byte directory block (" + std::to_string(file.length()) +
                                   " bytes)");
  }
  Cursor cursor = file.at(file.length() - kBlockSize + 1);
  read_values(cursor);
  return status_of(cursor);
}

// The directory of every file but the main one: 50 Integer block numbers, then
// the values `read_counts` reads. An empty file contributes nothing.
LoadStatus read_integer_directory(const DataFile& file, std::array<std::int32_t, 51>& blk,
                                  const std::function<void(Cursor&)>& read_counts) {
  if (file.length() == 0) return LoadStatus::success();
  return read_directory(file, [&](Cursor& cursor) {
    for (int k = 1; k <= kBlockEntries; ++k) blk[k] = cursor.read_integer();
    read_counts(cursor);
  });
}

}  // namespace

LoadStatus status_of(const Cursor& cursor) {
  return cursor.failed() ? LoadStatus::failure(LoadProblem::kFileDamaged, cursor.error())
                         : LoadStatus::success();
}

LoadStatus get_control(const DataFile& main_file, Directory& dir) {
  return read_directory(main_file, [&](Cursor& cursor) {
    for (int k = 1; k <= kBlockEntries; ++k) dir.blk1[k] = cnv_data(cursor.read_long());
    dir.pref_count = cnv_data(cursor.read_long());
    dir.city_count = cnv_data(cursor.read_long());
    dir.code_count = cnv_data(cursor.read_long());
    dir.town_end1 = cursor.read_long();
    dir.bill_count = cnv_data(cursor.read_long());
    dir.data_date = decode_data_date(cursor.read_bytes(kDataDateFieldSize));
  });
}

LoadStatus get_control2(const DataFile& detail_file, Directory& dir) {
  return read_integer_directory(detail_file, dir.blk2, [&](Cursor& cursor) {
    cursor.read_long();  // not used
    dir.city_pos2_count = cursor.read_long();
    dir.code2_count = cursor.read_long();
    dir.town_end2 = cursor.read_long();
    cursor.read_long();  // not used
    dir.office_count = cursor.read_long();
    dir.word_count = cursor.read_long();
    dir.chr_file_count = cursor.read_long();
  });
}

LoadStatus get_control3(const DataFile& third_file, Directory& dir) {
  return read_integer_directory(third_file, dir.blk3, [&](Cursor& cursor) {
    dir.old_code_count = cursor.read_long();
    cursor.read_long();  // not used
    dir.ward_pair_count = cursor.read_long();
  });
}

LoadStatus get_control4(const DataFile& fourth_file, Directory& dir) {
  return read_integer_directory(fourth_file, dir.blk4, [&](Cursor& cursor) {
    cursor.read_long();  // not used
    cursor.read_long();  // not used
    dir.tbl4_count = cursor.read_long();
  });
}

}  // namespace kovari::postaldb
