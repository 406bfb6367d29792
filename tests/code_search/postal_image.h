// A small in-test postal database for the code searches: town-area and detail
// records with hand-made postal-code indexes (ordinals and order as the test
// wants them, broken ones included), written to files and opened the way the
// start-up load opens them. Only what the searches read is filled in.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "postaldb/code_numbers.h"
#include "postaldb/postal_db.h"
#include "text/sjis.h"

namespace kovari::code_search::testing {

class Bytes {
 public:
  void integer(std::int16_t v) {
    put(static_cast<std::uint32_t>(static_cast<std::uint16_t>(v)), 2);
  }
  void long_value(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
  void code(const std::string& seven) {
    bytes_ += seven.substr(0, 7) + std::string(7 - std::min<size_t>(7, seven.size()), ' ');
  }
  void variant(std::u16string_view text) {
    const std::string sjis = text::encode_sjis(text).value();
    integer(8);
    integer(static_cast<std::int16_t>(sjis.size()));
    bytes_ += sjis;
  }
  std::int32_t next_block() {
    bytes_.resize((bytes_.size() + 1023) / 1024 * 1024, '\0');
    return static_cast<std::int32_t>(bytes_.size() / 1024);
  }
  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  const std::string& str() const { return bytes_; }

 private:
  void put(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_ += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  std::string bytes_;
};

struct IndexEntry {
  std::string code;
  std::int32_t offset = 0;
  std::int16_t ordinal = 1;
};

// Builds the files and the tables of a PostalDb.
class PostalImage {
 public:
  int add_pref(std::u16string name) {
    prefs_.push_back(std::move(name));
    return static_cast<int>(prefs_.size());
  }
  int add_city(std::u16string name1, std::u16string name2 = u"") {
    cities_.push_back({std::move(name1), std::move(name2)});
    return static_cast<int>(cities_.size());
  }
  static std::int32_t location(int pref, int city) { return pref + 64 * city; }

  // A town-area record; returns its offset. `kind` goes into the attribute bits.
  std::int32_t add_town(const std::string& code, std::int32_t location, std::u16string name,
                        int kind = 0) {
    const std::int32_t offset = static_cast<std::int32_t>(main_.size());
    main_.code(code);
    main_.long_value(location);
    main_.variant(name);
    main_.long_value(kind * 16384);
    return offset;
  }
  // A detail record; open/close are the bracket positions in `street` (0: none).
  std::int32_t add_detail(const std::string& code, std::int32_t location, std::u16string office,
                          std::u16string town, std::u16string street, int open = 0, int close = 0) {
    const std::int32_t offset = static_cast<std::int32_t>(detail_.size());
    detail_.code(code);
    detail_.long_value(location);
    detail_.long_value((open != 0 ? 8 : 0) + 16 * (open + 50 * close));
    detail_.variant(office);
    detail_.variant(town);
    detail_.variant(street);
    return offset;
  }

  // Index entries in the order given; ordinals as given.
  std::vector<IndexEntry> main_index, detail_index;

  // Appends an index entry for each record offset, counting ordinals of equal
  // adjacent codes.
  static void add_sorted(std::vector<IndexEntry>& index, const std::string& code,
                         std::int32_t offset) {
    std::int16_t ordinal = 1;
    if (!index.empty() && index.back().code == code) ordinal = index.back().ordinal + 1;
    index.push_back({code, offset, ordinal});
  }
  void town(const std::string& code, std::int32_t location, std::u16string name, int kind = 0) {
    add_sorted(main_index, code, add_town(code, location, std::move(name), kind));
  }

  // Writes the files into a fresh folder and opens them into db. The folder
  // is the process's own: ctest runs the tests of one fixture side by side.
  void open(postaldb::PostalDb& db, const std::string& folder_name) {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        ("kovari_code_search_" + folder_name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Bytes main = main_;
    const std::int32_t main_block = main.next_block();
    for (const IndexEntry& e : main_index) write_entry(main, e);
    Bytes detail = detail_;
    const std::int32_t detail_block = detail.next_block();
    for (const IndexEntry& e : detail_index) write_entry(detail, e);
    write(dir / "kovaritbl.dat", main);
    write(dir / "kovari2tbl.dat", detail);
    db.app_path = dir;
    ASSERT_TRUE(db.main_file.open(dir / "kovaritbl.dat"));
    ASSERT_TRUE(db.detail_file.open(dir / "kovari2tbl.dat"));
    db.dir.blk1[3] = main_block;
    db.dir.code_count = static_cast<std::int32_t>(main_index.size());
    db.dir.blk2[3] = detail_block;
    db.dir.code2_count = static_cast<std::int32_t>(detail_index.size());
    postaldb::read_index_codes(db);
    db.tables.pref_name.assign(1, u"");
    for (const auto& p : prefs_) db.tables.pref_name.push_back(p + u"  ");
    db.tables.city_name1.assign(1, u"");
    db.tables.city_name2.assign(1, u"");
    for (const auto& c : cities_) {
      db.tables.city_name1.push_back(c.first);
      db.tables.city_name2.push_back(c.second);
    }
  }

 private:
  static void write_entry(Bytes& bytes, const IndexEntry& e) {
    bytes.code(e.code);
    bytes.long_value(e.offset);
    bytes.integer(e.ordinal);
  }
  static void write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes.str();
  }

  Bytes main_, detail_;
  std::vector<std::u16string> prefs_;
  std::vector<std::pair<std::u16string, std::u16string>> cities_;
};

}  // namespace kovari::code_search::testing
