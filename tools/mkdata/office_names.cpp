#include "office_names.h"

#include <map>

#include "office_search/office_name.h"

namespace kovari::mkdata {

std::u16string normalize_office_name(std::u16string_view name,
                                     const std::vector<std::u16string>& words) {
  std::u16string s(name);
  office_search::seikika1(s);
  office_search::seikika2(s, words);
  return s;
}

std::vector<OfficeName> office_names(const PostalData& data) {
  std::map<std::u16string, std::vector<std::int32_t>> by_name;
  for (const auto& details : data.details) {
    for (const Detail& detail : details) {
      std::u16string name = normalize_office_name(detail.office, data.words);
      if (!name.empty()) by_name[std::move(name)].push_back(detail.offset);
    }
  }
  std::vector<OfficeName> names;
  names.reserve(by_name.size());
  for (auto& [name, offsets] : by_name) names.push_back({name, std::move(offsets)});
  return names;
}

}  // namespace kovari::mkdata
