// The city and ward/town levels (区市郡島名, 区町村名) the last address settled
// by their names, taken again when the next address types the same names
// after the same prefecture: addresses mostly come grouped by place, and the
// comparison of two names costs far less than the walk of the levels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kovari::resolve {

// What the prefecture walk left, with the city and ward/town texts typed.
struct LevelNames {
  int found_pref = 0;
  int level_mask = 0;
  std::u16string_view city, ward;
};

// What the city and ward/town walks settled.
struct SettledLevels {
  int found_city = 0;
  int found_town = 0;
  int level_mask = 0;
  std::int64_t town_first = 0, town_last = 0;
  std::int64_t detail_first = 0, detail_last = 0;
};

class LastLevels {
 public:
  // The levels kept for `names`, or null.
  const SettledLevels* find(const LevelNames& names) const {
    return kept_ && names.found_pref == found_pref_ && names.level_mask == level_mask_ &&
                   names.city == city_ && names.ward == ward_
               ? &settled_
               : nullptr;
  }
  void keep(const LevelNames& names, const SettledLevels& settled) {
    found_pref_ = names.found_pref;
    level_mask_ = names.level_mask;
    city_.assign(names.city);
    ward_.assign(names.ward);
    settled_ = settled;
    kept_ = true;
  }

 private:
  bool kept_ = false;
  int found_pref_ = 0;
  int level_mask_ = 0;
  std::u16string city_, ward_;
  SettledLevels settled_;
};

}  // namespace kovari::resolve
