// A small writer of the four postal data files, for the reader's tests: it
// lays out hand-made tables in the file format and can be told to store
// wrong values, so tests can feed the load broken files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kovari::postaldb::testing {

// Little-endian byte building.
class ByteWriter {
 public:
  void integer(std::int16_t value);
  void long_value(std::int32_t value);
  void float_coded(std::int32_t value);  // a whole number as a binary32 pattern
  void code(const std::string& seven_digits);
  void variant(std::u16string_view text);  // tag 8, byte length, Shift-JIS bytes
  void raw(const std::string& bytes) { bytes_ += bytes; }
  // Pads with zero bytes to the next block boundary; returns that block's number.
  std::int32_t next_block();
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

struct CityRow {
  std::u16string name1, name2;
  std::int32_t town_pos = 0;
  std::int16_t kind = 1;
};

struct BuildingRow {
  std::string code;
  std::int16_t floors = 0;
  std::u16string name1, name2;
};

// The content of a small data set. Counts written to the directories are the
// table sizes unless an override is set.
struct FixtureData {
  std::vector<std::pair<std::u16string, std::int32_t>> prefectures;  // name, first city
  std::vector<CityRow> cities;
  std::vector<BuildingRow> buildings;
  std::int32_t town_area_bytes = 64;  // size of the town-area record area (town_end1)

  bool write_detail = true;
  std::vector<std::pair<std::int16_t, std::int32_t>> city_positions;  // city, position
  std::vector<std::u16string> words;
  std::vector<std::pair<std::u16string, std::u16string>> chr_pairs;
  std::int32_t detail_area_bytes = 64;  // size of the detail record area (town_end2)

  bool write_third = true;
  std::vector<std::pair<std::u16string, std::u16string>> ward_pairs;

  bool write_fourth = false;
  std::int32_t tbl4_count = 0;

  // Bytes written after the main directory's values (the data date's place).
  std::string main_directory_tail;

  // Directory overrides for broken files.
  std::optional<std::int32_t> pref_count, city_count, code_count, bill_count, town_end1;
  std::optional<std::int32_t> city_block, chr_file_count, ward_pair_count, city_pos2_count;
};

struct FixtureFiles {
  std::string main, detail, third, fourth;  // empty: the file is not written
};

FixtureFiles build_fixture(const FixtureData& data);

// Writes the files that are not empty into `dir`, removing the others.
void write_fixture(const std::filesystem::path& dir, const FixtureFiles& files);

// A fresh, empty folder for the running test, removed with the object. Each
// process has its own, so test runs side by side do not meet.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A small valid data set: three prefectures, a handful of cities, buildings,
// words, replacement pairs and ward pairs.
FixtureData sample_data();

}  // namespace kovari::postaldb::testing
