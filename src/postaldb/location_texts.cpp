#include "postaldb/location_texts.h"

#include <algorithm>

#include "text/vb.h"

namespace kovari::postaldb {

LocationTexts::LocationTexts(const PostalTables& tables) {
  prefs_.reserve(tables.pref_name.size());
  for (const std::u16string& name : tables.pref_name) prefs_.emplace_back(text::trim_view(name));
  // A name a row lacks adds nothing.
  const auto name = [](const std::vector<std::u16string>& names, std::size_t row) {
    return row < names.size() ? text::trim_view(names[row]) : std::u16string_view();
  };
  const std::size_t cities = std::max(tables.city_name1.size(), tables.city_name2.size());
  cities_.reserve(cities);
  for (std::size_t row = 0; row < cities; ++row) {
    cities_.emplace_back(name(tables.city_name1, row)).append(name(tables.city_name2, row));
  }
}

}  // namespace kovari::postaldb
