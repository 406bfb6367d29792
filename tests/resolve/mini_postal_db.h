// A small postal database built in memory for the resolution tests: a few
// prefectures and cities with their town-area records, written to a temporary
// main file in the record layout of the data files.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "postaldb/postal_db.h"

namespace kovari::resolve::testing {

struct MiniRecord {
  std::string code;             // seven digits
  std::u16string name;          // the town-area name without its index initial
  std::u16string condition;     // bracketed condition appended to the name, e.g. u"（１～３丁目）"
};

struct MiniCity {
  int pref;                     // 1-based index into the prefecture list
  std::u16string name1, name2;
  std::vector<MiniRecord> records;
  int kind = 0;
};

// Builds the tables and the main file (kept in a temporary folder that lives
// as long as the returned database).
class MiniPostalDb {
 public:
  MiniPostalDb(std::vector<std::u16string> prefectures, std::vector<MiniCity> cities);
  ~MiniPostalDb();
  postaldb::PostalDb& db() { return db_; }
  // Row of the city table holding name1 / name2 (0 when none).
  int row(std::u16string_view name1, std::u16string_view name2 = u"") const;

 private:
  std::filesystem::path folder_;
  postaldb::PostalDb db_;
};

}  // namespace kovari::resolve::testing
