// The in-memory postal tables filled once by the start-up load. Every table is
// 1-based like the data it mirrors (element 0 unused unless a comment says so)
// and sized to what the files hold, so an unusual count never overruns it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/name_index.h"

namespace kovari::postaldb {

// Directory values of the four data files.
struct Directory {
  std::array<std::int32_t, 51> blk1{}, blk2{}, blk3{}, blk4{};  // block numbers 1..50
  std::int32_t pref_count = 0, city_count = 0, code_count = 0, town_end1 = 0, bill_count = 0;
  std::int32_t city_pos2_count = 0, code2_count = 0, town_end2 = 0, office_count = 0;
  std::int32_t word_count = 0, chr_file_count = 0;
  std::int32_t old_code_count = 0, ward_pair_count = 0;
  std::int32_t tbl4_count = 0;
  // The date of the postal data the files were built from, "YYYY/MM/DD", or
  // "不明" when the main file does not record it (postaldb/data_date.h).
  std::u16string data_date;
};

// Group numbers of city_group. The designated cities (their names and group
// numbers in postaldb/fixed_tables.h) are groups 1..12 and, for the cities
// designated later, 22..29; groups 20 and 21 are two single names that some
// searches single out; 13..19 stay empty.
inline constexpr int kDesignatedCityGroupCount = 20;  // how many designated cities
inline constexpr int kMinatoGroup = 20;  // 港区
inline constexpr int kFuchuGroup = 21;   // 府中市: only (kFuchuGroup, 1) is set, to the last row
inline constexpr int kCityGroupCount = 29;  // groups 1..kCityGroupCount

struct PostalTables {
  // Prefectures: names exactly 8 characters (blank-padded; users Trim them).
  std::vector<std::u16string> pref_name;
  std::vector<std::int32_t> pref_first_city;

  // Cities.
  std::vector<std::u16string> city_name1, city_name2;
  std::vector<std::int32_t> city_pos1, city_pos2;
  std::vector<int> city_kind;
  // city_group[g][0] = row count, [1] = first row, [2] = last row of group g.
  std::array<std::array<int, 3>, kCityGroupCount + 1> city_group{};
  std::array<std::u16string, 24> tokyo_ward;  // 1..23

  // Buildings (0..bill_count).
  std::vector<std::u16string> bill_code;
  std::vector<int> bill_floors;
  std::vector<std::u16string> bill_name1, bill_name2;   // narrow form
  text::NameIndex bill_name_index;                      // rows of bill_name1/2 by name
  std::array<std::u16string, 44> bill_pref, bill_city;  // rows 1..43
  std::array<std::u16string, 12> bill_keyword;          // 1..11, narrow form
  int bill_keyword_count = 0;

  // Word table of the detail file and the small-kana pairs (small, large).
  std::vector<std::u16string> word;
  int word_count2 = 0;
  std::array<std::pair<std::u16string, std::u16string>, 11> small_kana;  // 1..10
  int small_kana_count = 0;

  // Ward pairs of the third file; ward names shared by designated cities
  // (dup_ward[0] holds their count as text).
  std::vector<std::u16string> ward_pair1, ward_pair2;
  std::vector<std::u16string> dup_ward;

  // Character-replacement pairs as the data file holds them, and the table in
  // use: the data file's pairs in slots 1..chr_file_count, then the settings
  // file's pairs, chr_count in all (postaldb::set_replacement_pairs).
  std::vector<std::pair<std::u16string, std::u16string>> chr_file_pairs;
  std::vector<std::u16string> chr_from, chr_to;
  int chr_count = 0;

  // Words ending in 字 that are not the 字 district marker, and kanji numerals.
  std::array<std::u16string, 8> ji_word;  // 1..7
  int ji_word_count = 0;
  std::array<std::u16string, 101> kanji_num;  // 0..100
  int kanji_num_count = 0;
};

}  // namespace kovari::postaldb
