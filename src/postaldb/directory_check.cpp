#include "postaldb/directory_check.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "postaldb/directory.h"

namespace kovari::postaldb {

namespace {

// The smallest size in bytes of one record of each table: a Variant string
// takes at least its 4-byte head, an office name record a Variant string and
// an Integer.
namespace min_record {
constexpr std::int64_t kPrefecture = 4 + 4;
constexpr std::int64_t kCity = 4 + 4 + 4 + 2;
constexpr std::int64_t kCodeIndex = 7 + 4 + 2;
constexpr std::int64_t kBuilding = 7 + 2 + 4 + 4;
constexpr std::int64_t kCityPosition = 2 + 4;
constexpr std::int64_t kOffice = 4 + 2;
constexpr std::int64_t kWord = 4;
constexpr std::int64_t kCharacterPair = 4 + 4;
constexpr std::int64_t kOldCode = 5 + 4 + 2;
constexpr std::int64_t kWardPair = 4 + 4;
constexpr std::int64_t kTownIndex = 16 + 4 + 2;
}  // namespace min_record

enum class Need {
  kOptional,             // may be empty; with records it needs a block
  kRequired,             // the searches need its records
  kSkippedWithoutBlock,  // the load skips it when its block is 0, whatever its count
};

// One table a directory describes.
struct Table {
  const char* what;
  std::int32_t block;
  std::int32_t count;
  std::int64_t min_record_size;
  Need need;
};

LoadStatus damaged(const DataFile& file, const std::string& what) {
  return LoadStatus::failure(LoadProblem::kFileDamaged, file.name() + " is damaged: " + what);
}

// Where the directory block begins: the tables and record areas end there.
std::int64_t directory_start(const DataFile& file) { return file.length() - kBlockSize; }

LoadStatus check_directory_block(const DataFile& file, const std::array<std::int32_t, 51>& blk) {
  if (std::all_of(blk.begin() + 1, blk.end(), [](std::int32_t block) { return block == 0; })) {
    return damaged(file, "its directory block names no table");
  }
  for (std::size_t k = 1; k < blk.size(); ++k) {
    if (blk[k] < 0 || static_cast<std::int64_t>(blk[k]) * kBlockSize > directory_start(file)) {
      return damaged(file, "block number " + std::to_string(k) + " (" + std::to_string(blk[k]) +
                               ") lies outside the file (" + std::to_string(file.length()) +
                               " bytes)");
    }
  }
  return LoadStatus::success();
}

LoadStatus check_table(const DataFile& file, const Table& table) {
  const std::string where = std::string("the ") + table.what + " (block " +
                            std::to_string(table.block) + ", " + std::to_string(table.count) +
                            " records)";
  if (table.count < 0) return damaged(file, where + " has a negative record count");
  if (table.count == 0) {
    return table.need == Need::kRequired ? damaged(file, where + " has no records")
                                         : LoadStatus::success();
  }
  if (table.block == 0) {
    return table.need == Need::kSkippedWithoutBlock
               ? LoadStatus::success()
               : damaged(file, where + " has records but no block");
  }
  // block < 2^31 and count < 2^31, so neither product overflows 64 bits.
  const std::int64_t end =
      static_cast<std::int64_t>(table.block) * kBlockSize + table.count * table.min_record_size;
  if (end > directory_start(file)) {
    return damaged(file, where + " does not fit before the directory block at byte " +
                             std::to_string(directory_start(file)));
  }
  return LoadStatus::success();
}

// The directory block and the tables of one file; an empty file (a missing
// optional one) has none.
LoadStatus check_file(const DataFile& file, const std::array<std::int32_t, 51>& blk,
                      const std::vector<Table>& tables) {
  if (file.length() == 0) return LoadStatus::success();
  if (LoadStatus s = check_directory_block(file, blk); !s.ok()) return s;
  for (const Table& table : tables) {
    if (LoadStatus s = check_table(file, table); !s.ok()) return s;
  }
  return LoadStatus::success();
}

// The end of a file's record area, which lies before its directory block; a
// main file without town-area records is no data.
LoadStatus check_record_end(const DataFile& file, std::int32_t end, const char* what,
                            bool records_required) {
  if (file.length() == 0) return LoadStatus::success();
  if (records_required && end == 0) return damaged(file, std::string("it holds no ") + what);
  return check_offset(file, end, directory_start(file),
                      (std::string("the end of the ") + what).c_str());
}

}  // namespace

LoadStatus check_offset(const DataFile& file, std::int64_t offset, std::int64_t limit,
                        const char* what) {
  if (offset < 0 || offset > limit) {
    return damaged(file, std::string(what) + " " + std::to_string(offset) + " lies outside 0.." +
                             std::to_string(limit));
  }
  return LoadStatus::success();
}

LoadStatus check_directory(const PostalDb& db, bool third_read) {
  const Directory& d = db.dir;
  const LoadStatus checks[] = {
      check_file(
          db.main_file, d.blk1,
          {{"prefecture table", d.blk1[1], d.pref_count, min_record::kPrefecture, Need::kRequired},
           {"city table", d.blk1[2], d.city_count, min_record::kCity, Need::kRequired},
           {"postal-code index", d.blk1[3], d.code_count, min_record::kCodeIndex, Need::kRequired},
           {"building table", d.blk1[5], d.bill_count, min_record::kBuilding, Need::kOptional}}),
      check_record_end(db.main_file, d.town_end1, "town-area records", true),
      check_file(
          db.detail_file, d.blk2,
          {{"city position table", d.blk2[1], d.city_pos2_count, min_record::kCityPosition,
            Need::kSkippedWithoutBlock},
           {"detail postal-code index", d.blk2[3], d.code2_count, min_record::kCodeIndex,
            Need::kOptional},
           {"office-name table", d.blk2[6], d.office_count, min_record::kOffice, Need::kOptional},
           {"word table", d.blk2[8], d.word_count, min_record::kWord, Need::kSkippedWithoutBlock},
           {"character-replacement table", d.blk2[9], d.chr_file_count, min_record::kCharacterPair,
            Need::kOptional}}),
      check_record_end(db.detail_file, d.town_end2, "detail records", false),
      third_read ? check_file(db.third_file, d.blk3,
                              {{"old-code table", d.blk3[1], d.old_code_count, min_record::kOldCode,
                                Need::kOptional},
                               {"ward-pair table", d.blk3[2], d.ward_pair_count,
                                min_record::kWardPair, Need::kOptional}})
                 : LoadStatus::success(),
      db.data4_present != 0 ? check_file(db.fourth_file, d.blk4,
                                         {{"town-name index", d.blk4[3], d.tbl4_count,
                                           min_record::kTownIndex, Need::kRequired}})
                            : LoadStatus::success(),
  };
  for (const LoadStatus& status : checks) {
    if (!status.ok()) return status;
  }
  return LoadStatus::success();
}

}  // namespace kovari::postaldb
