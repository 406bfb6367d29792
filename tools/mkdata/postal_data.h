// The postal data as the four files hold it, before it is laid out in bytes:
// prefectures, cities with their town areas, buildings, detail records, and
// the small tables. Indices are 1-based where the files use them (a record's
// location word is prefecture + 64 x city).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "postaldb/data_date.h"

namespace kovari::mkdata {

inline constexpr int kMaxPrefectures = 50;
inline constexpr int kMaxCities = 4000;
inline constexpr int kMaxBuildings = 100;
inline constexpr int kFixedBuildingRows = 43;
inline constexpr int kMaxWords = 100;
inline constexpr int kMaxCharPairs = 100;

struct TownArea {
  std::string code;
  char16_t initial = u'＊';  // index initial, stored as the name's first character
  std::u16string name;       // double-byte characters only
  std::u16string reading;
  std::u16string old_code;
  std::int32_t attributes = 0;
  int line_no = 0;
  std::int32_t offset = 0;  // record offset in the main file, set by the writer
};

struct City {
  std::string jis;
  int pref = 0;  // prefecture index
  std::u16string name1, name2;
  std::int16_t kind = 0;  // 1: every town area carries the same code
  std::vector<TownArea> towns;
};

struct Prefecture {
  std::u16string name;  // as in the CSV, without padding
  int first_city = 0;
};

struct Detail {
  std::string code;
  std::int32_t attributes = 0;
  std::u16string office, town, street;  // double-byte characters only
  std::int32_t offset = 0;              // record offset in the detail file, set by the writer
};

struct Building {
  std::string code;  // base code: the code of floor n is base + n, of 地階・階層不明 base + 90
  std::int16_t floors = 0;
  std::u16string name1, name2;  // narrow form
};

struct CharPair {
  std::u16string from, to;
};

struct WardPair {
  std::u16string first, second;
};

struct OldCode {
  std::string key;      // five digits
  std::u16string text;  // prefecture／city／ward
};

struct PostalData {
  std::vector<Prefecture> prefs;             // index 0 unused
  std::vector<City> cities;                  // index 0 unused
  std::vector<std::vector<Detail>> details;  // per city index
  std::vector<Building> buildings;           // row 1 first
  std::vector<std::u16string> words;
  std::vector<CharPair> char_pairs;
  std::vector<WardPair> ward_pairs;
  std::vector<OldCode> old_codes;  // sorted by key, one per key
  // The date of the source data, recorded in the main file's directory when known.
  std::optional<postaldb::CalendarDate> data_date;
};

}  // namespace kovari::mkdata
