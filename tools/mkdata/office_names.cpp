#include "office_names.h"

#include <map>

#include "postaldb/fixed_tables.h"
#include "text/vb.h"

namespace kovari::mkdata {

std::u16string normalize_office_name(std::u16string_view name,
                                     const std::vector<std::u16string>& words) {
  std::u16string s;
  for (char16_t c : name) {
    if (c != u' ' && c != u'　' && c != u'・') s += c;
  }
  for (const postaldb::KanaPair& pair : postaldb::kSmallKana) {
    s = text::Replace(s, pair.small, pair.large);
  }
  for (const std::u16string& word : words) {
    const std::size_t at = s.find(word);
    if (at != std::u16string::npos) s.erase(at, word.size());
  }
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
