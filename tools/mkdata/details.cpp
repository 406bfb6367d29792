#include "details.h"

#include <algorithm>
#include <map>

#include "names.h"

namespace kovari::mkdata {

std::int32_t detail_attributes(std::u16string_view street) {
  const std::size_t box = street.find(u"私書箱");
  if (box == std::u16string_view::npos) return 0;
  const std::size_t open = street.rfind(u'（', box);
  const std::size_t close = street.find(u'）', box);
  if (open == std::u16string_view::npos || close == std::u16string_view::npos) return 0;
  const auto open_pos = static_cast<std::int32_t>(open + 1);
  const auto close_pos = static_cast<std::int32_t>(close + 1);
  if (open_pos > 49 || close_pos > 49) return 0;
  constexpr std::int32_t kBracketFlag = 8;
  return 16 * (open_pos + 50 * close_pos) + kBracketFlag;
}

void build_details(const std::vector<OfficeRow>& rows, const std::string& file_label,
                   PostalData& data, Report& report) {
  std::map<std::string, std::size_t> city_of_jis;
  for (std::size_t c = 1; c < data.cities.size(); ++c) city_of_jis[data.cities[c].jis] = c;
  data.details.assign(data.cities.size(), {});
  for (const OfficeRow& row : rows) {
    const auto city = city_of_jis.find(row.jis);
    if (city == city_of_jis.end()) {
      report.line(file_label, row.line_no, "municipal code " + row.jis + " has no town areas");
      continue;
    }
    std::optional<std::u16string> office = to_double_byte(row.name);
    std::optional<std::u16string> town = to_double_byte(row.town);
    std::optional<std::u16string> street = to_double_byte(row.street);
    if (!office || !town || !street) {
      report.line(file_label, row.line_no, "a text has no double-byte form");
      continue;
    }
    Detail detail;
    detail.code = row.code;
    detail.attributes = detail_attributes(*street);
    detail.office = std::move(*office);
    detail.town = std::move(*town);
    detail.street = std::move(*street);
    data.details[city->second].push_back(std::move(detail));
  }
  for (auto& details : data.details) {
    std::stable_sort(details.begin(), details.end(),
                     [](const Detail& a, const Detail& b) { return a.code < b.code; });
  }
}

}  // namespace kovari::mkdata
