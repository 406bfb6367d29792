// Picking an area from three lists, one level after the other: a prefecture
// (都道府県名), a city (区市郡島名: a city, a county or a designated city,
// listed once however many rows it spans) and a ward or town of that city
// (区町村名). Each list comes with its caption, which counts its items
// ("都道府県名（４７件）"), and the prompt for the message line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "postaldb/postal_db.h"

namespace kovari::csv_export {

enum class PickLevel { kPrefecture = 1, kCity = 2, kTown = 3 };

struct PickList {
  PickLevel level = PickLevel::kPrefecture;
  std::vector<std::u16string> items;  // the trimmed names
  std::vector<int> rows;              // each item's prefecture number or city row
  std::u16string caption;             // name of the level and the count
  std::u16string prompt;  // "都道府県名を選択して下さい。選択はダブルクリックで行います。"
};

// set_combo1: the prefectures.
PickList set_combo1(const postaldb::PostalDb& db);
// set_combo2: the distinct city names (city_name1) of prefecture `pref`, each
// with its first row.
PickList set_combo2(const postaldb::PostalDb& db, int pref);
// set_combo3: the ward/town names (city_name2) of the rows of the city whose
// first row is `city`.
PickList set_combo3(const postaldb::PostalDb& db, int pref, int city);

// The state of the three picks: the level whose list is shown, the picked
// rows (found_pref, found_city, found_town) and their names (Text1 .. Text3).
class AreaPick {
 public:
  // Level 1, with the prefecture list.
  explicit AreaPick(const postaldb::PostalDb& db);

  const PickList& list() const { return list_; }
  PickLevel level() const { return list_.level; }

  // The level buttons: the picks of `level` and below are cleared and its
  // list is shown (a level whose upper pick is missing is not reached).
  void restart(PickLevel level);
  // A double click (or Enter) on item `item` of the list: false when no item
  // is selected. A prefecture or city pick moves on to the next level.
  bool choose(std::optional<int> item);

  int found_pref = 0, found_city = 0, found_town = 0;
  std::u16string pref_text, city_text, town_text;

 private:
  void show(PickLevel level);

  const postaldb::PostalDb& db_;
  PickList list_;
};

// The rows of prefecture `pref`: [first, end).
struct RowSpan {
  int first = 0, end = 0;
};
RowSpan prefecture_rows(const postaldb::PostalDb& db, int pref);

}  // namespace kovari::csv_export
