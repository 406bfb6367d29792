// The names an address line begins with for a record's location (prefecture
// + 64 × city): Trim(pref_name), and Trim(city_name1) & Trim(city_name2)
// joined once per city row, so that a line takes two copies and no trims.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "postaldb/tables.h"

namespace kovari::postaldb {

class LocationTexts {
 public:
  LocationTexts() = default;
  explicit LocationTexts(const PostalTables& tables);

  // The prefecture's and the city's names of `location` appended to
  // `address`; a prefecture or city outside the tables adds nothing.
  void append(std::int32_t location, std::u16string& address) const {
    append_row(prefs_, location % 64, address);
    append_row(cities_, location / 64, address);
  }

 private:
  static void append_row(const std::vector<std::u16string>& rows, std::int32_t row,
                         std::u16string& address) {
    if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) {
      address.append(rows[static_cast<std::size_t>(row)]);
    }
  }

  std::vector<std::u16string> prefs_;
  std::vector<std::u16string> cities_;
};

}  // namespace kovari::postaldb
