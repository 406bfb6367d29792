#include "postaldb/loaders.h"

#include <string>

#include "postaldb/directory.h"
#include "postaldb/directory_check.h"
#include "postaldb/fixed_tables.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::postaldb {

namespace {

static_assert(kDesignatedCities.size() == kDesignatedCityGroupCount);

constexpr int kPrefNameLength = 8;

// Cut or blank-pad to the fixed width of a prefecture name.
std::u16string fixed_pref_name(std::u16string_view name) {
  std::u16string fixed = text::Left(name, kPrefNameLength);
  fixed.resize(kPrefNameLength, u' ');
  return fixed;
}

// Single-byte text (a code's 7 digits, a number) as text, one character per byte.
std::u16string ascii_text(std::string_view bytes) {
  std::u16string text;
  for (unsigned char byte : bytes) text.push_back(byte);
  return text;
}

// Puts city row `row` into its group when city_name1 names one.
void classify_city(PostalTables& tables, std::u16string_view name, int row) {
  auto add_row = [&](int group) {
    std::array<int, 3>& g = tables.city_group[group];
    if (g[1] == 0) g[1] = row;
    g[0] += 1;
    g[2] = g[1] + g[0] - 1;
  };
  for (const DesignatedCity& designated : kDesignatedCities) {
    if (name == designated.city) add_row(designated.group);
  }
  if (name == kMinatoGroupCity) add_row(kMinatoGroup);
  // Only the last 府中市 row is kept: the later of the two is the one looked for.
  if (name == kFuchuGroupCity) tables.city_group[kFuchuGroup][1] = row;
}

}  // namespace

LoadStatus get_city1(PostalDb& db, LoadProgress& progress) {
  const std::int32_t count = db.dir.pref_count;
  PostalTables& t = db.tables;
  t.pref_name.assign(count + 1, fixed_pref_name(u""));
  t.pref_first_city.assign(count + 1, 0);
  Cursor cursor = db.main_file.at(block_position(db.dir.blk1[1]));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    std::u16string name = fixed_pref_name(cursor.read_variant_string());
    t.pref_first_city[i] = cursor.read_long();
    if (const int star = text::InStr(name, u"＊"); star > 0) {
      name = fixed_pref_name(text::Left(name, star - 1));
    }
    t.pref_name[i] = std::move(name);
    progress.count_record_silently();
  }
  return status_of(cursor);
}

LoadStatus get_city2(PostalDb& db, LoadProgress& progress) {
  const std::int32_t count = db.dir.city_count;
  PostalTables& t = db.tables;
  t.city_name1.assign(count + 1, u"");
  t.city_name2.assign(count + 1, u"");
  t.city_pos1.assign(count + 1, 0);
  t.city_kind.assign(count + 1, 0);
  t.city_pos2.assign(count + 1, 0);  // filled by get_city3 when the detail file is used
  t.city_group = {};
  Cursor cursor = db.main_file.at(block_position(db.dir.blk1[2]));
  for (int i = 1; i <= count; ++i) {
    t.city_name1[i] = cursor.read_variant_string();
    t.city_name2[i] = cursor.read_variant_string();
    t.city_pos1[i] = cursor.read_long();
    t.city_kind[i] = cursor.read_integer();
    if (cursor.failed()) return status_of(cursor);
    if (LoadStatus s = check_offset(db.main_file, t.city_pos1[i], db.dir.town_end1,
                                    "a city's town-area position");
        !s.ok()) {
      return s;
    }
    progress.count_record();
    classify_city(t, t.city_name1[i], i);
  }
  for (std::size_t k = 0; k < kTokyoWards.size(); ++k) {
    t.tokyo_ward[k + 1] = std::u16string(kTokyoWards[k]);
  }
  return LoadStatus::success();
}

LoadStatus get_bill(PostalDb& db, LoadProgress& progress) {
  const std::int32_t count = db.dir.bill_count;
  PostalTables& t = db.tables;
  t.bill_code.assign(count + 1, u"");
  t.bill_floors.assign(count + 1, 0);
  t.bill_name1.assign(count + 1, u"");
  t.bill_name2.assign(count + 1, u"");
  Cursor cursor = db.main_file.at(block_position(db.dir.blk1[5]));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    t.bill_code[i] = ascii_text(cursor.read_code());
    t.bill_floors[i] = cursor.read_integer();
    t.bill_name1[i] = text::to_narrow(cursor.read_variant_string());
    t.bill_name2[i] = text::to_narrow(cursor.read_variant_string());
    progress.count_record();
  }
  t.bill_name_index = text::NameIndex({t.bill_name1, t.bill_name2});
  if (cursor.failed()) return status_of(cursor);
  for (const BuildingRowPlace& place : kBuildingRowPlaces) {
    for (int row = place.first_row; row <= place.last_row; ++row) {
      t.bill_pref[row] = std::u16string(place.prefecture);
      t.bill_city[row] = std::u16string(place.city);
    }
  }
  for (std::size_t k = 0; k < kBuildingKeywords.size(); ++k) {
    t.bill_keyword[k + 1] = text::to_narrow(kBuildingKeywords[k]);
  }
  t.bill_keyword_count = static_cast<int>(kBuildingKeywords.size());
  return LoadStatus::success();
}

LoadStatus get_city3(PostalDb& db, LoadProgress& progress) {
  const std::int32_t block = db.dir.blk2[1];
  if (block == 0) return LoadStatus::success();
  const std::int32_t count = db.dir.city_pos2_count;
  const std::int32_t city_count = db.dir.city_count;
  std::vector<std::int32_t>& pos2 = db.tables.city_pos2;
  pos2.assign(city_count + 1, 0);
  Cursor cursor = db.detail_file.at(block_position(block));
  int first = 0;
  for (int i = 1; i <= count; ++i) {
    const int city = cursor.read_integer();
    const std::int32_t position = cursor.read_long();
    if (cursor.failed()) return status_of(cursor);
    if (city < 1 || city > city_count) {
      return LoadStatus::failure(LoadProblem::kFileDamaged,
                                 db.detail_file.name() + ": record " + std::to_string(i) +
                                     " of the city position table names city " +
                                     std::to_string(city) + ", but the main file has " +
                                     std::to_string(city_count) + " cities");
    }
    if (LoadStatus s =
            check_offset(db.detail_file, position, db.dir.town_end2, "a city's detail position");
        !s.ok()) {
      return s;
    }
    if (first == 0) first = city;
    pos2[city] = position;
    progress.count_record();
  }
  if (pos2[city_count] == 0) pos2[city_count] = db.dir.town_end2;
  for (int city = city_count - 1; city >= first + 1; --city) {
    if (pos2[city] == 0) pos2[city] = pos2[city + 1];
  }
  return LoadStatus::success();
}

LoadStatus get_city5(PostalDb& db, LoadProgress& progress) {
  const std::int32_t block = db.dir.blk2[8];
  if (block == 0) return LoadStatus::success();
  const std::int32_t count = db.dir.word_count;
  PostalTables& t = db.tables;
  t.word.assign(count + 1, u"");
  Cursor cursor = db.detail_file.at(block_position(block));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    t.word[i] = cursor.read_variant_string();
    progress.count_record();
  }
  if (cursor.failed()) return status_of(cursor);
  t.word_count2 = count;
  for (std::size_t k = 0; k < kSmallKana.size(); ++k) {
    t.small_kana[k + 1] = {std::u16string(kSmallKana[k].small),
                           std::u16string(kSmallKana[k].large)};
  }
  t.small_kana_count = static_cast<int>(kSmallKana.size());
  return LoadStatus::success();
}

LoadStatus get_city6(PostalDb& db, LoadProgress& progress) {
  const std::int32_t block = db.dir.blk3[2];
  const std::int32_t count = db.dir.ward_pair_count;
  // Sized to the count either way: a table with pairs has its block
  // (check_directory), so without one the count is 0.
  PostalTables& t = db.tables;
  t.ward_pair1.assign(count + 1, u"");
  t.ward_pair2.assign(count + 1, u"");
  if (block == 0) return LoadStatus::success();
  Cursor cursor = db.third_file.at(block_position(block));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    t.ward_pair1[i] = cursor.read_variant_string();
    t.ward_pair2[i] = cursor.read_variant_string();
    progress.count_record();
  }
  if (cursor.failed()) return status_of(cursor);
  t.dup_ward.assign(1, ascii_text(std::to_string(kDuplicateWards.size())));
  for (std::u16string_view ward : kDuplicateWards) t.dup_ward.emplace_back(ward);
  return LoadStatus::success();
}

}  // namespace kovari::postaldb
