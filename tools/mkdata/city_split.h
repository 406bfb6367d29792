// The split of a municipality name into city_name1 / city_name2, the way
// address decomposition splits the same text typed by a user: a designated
// city and its ward (札幌市 / 中央区), a county and its town or village
// (余市郡 / 仁木町), an island and what follows its 島 (三宅島 / 三宅村,
// 大島 / 町), a town or village of no county or island in city_name2 alone
// (/ 小笠原村), otherwise the whole name in city_name1 (cities, Tokyo wards).
// Like decomposition, the first ヶ of city_name1 becomes ケ.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace kovari::mkdata {

struct CityName {
  std::u16string name1, name2;
  bool operator==(const CityName&) const = default;
};

CityName split_city_name(std::u16string_view municipality);

// True when the name (city_name1) is one of the designated cities.
bool is_designated_city(std::u16string_view name);

}  // namespace kovari::mkdata
