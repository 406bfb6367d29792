// Reading built data files back through the engine's reader, to check what
// the builder wrote: the start-up load, the index lookups of the code search
// (binary search, run start by ordinal, run walk) and the record walks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "postaldb/postal_db.h"

namespace kovari::mkdata::testing {

struct IndexRecord {
  std::string key;
  std::int32_t offset = 0;
  std::int32_t ordinal = 0;
};

struct TownRecord {
  std::string code;
  std::int32_t location = 0, attributes = 0;
  std::u16string name;  // with its index initial
  std::int64_t size = 0;
};

struct DetailRecord {
  std::string code;
  std::int32_t location = 0, attributes = 0;
  std::u16string office, town, street;
  std::int64_t size = 0;
};

// All records of a 13-byte postal-code index (key = code).
std::vector<IndexRecord> read_code_index(const postaldb::DataFile& file, std::int32_t block,
                                         std::int32_t count);
// The offsets the code search reaches for `code`: binary search, back to the
// run start by the run ordinal, then the run walk. Empty when not found.
std::vector<std::int32_t> look_up(const std::vector<IndexRecord>& index, const std::string& code);

TownRecord read_town_record(const postaldb::DataFile& file, std::int32_t offset);
DetailRecord read_detail_record(const postaldb::DataFile& file, std::int32_t offset);

// Loads the four files of `dir` as the program does at start-up; the empty
// text on success, else the error.
std::string load(const std::filesystem::path& dir, postaldb::PostalDb& db);

}  // namespace kovari::mkdata::testing
