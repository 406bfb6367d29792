#include "office_search/office_name.h"

#include <algorithm>

#include "postaldb/fixed_tables.h"
#include "text/vb.h"

namespace kovari::office_search {

void seikika1(std::u16string& s) {
  std::erase_if(s, [](char16_t c) { return c == u' ' || c == u'　' || c == u'・'; });
  for (const postaldb::KanaPair& pair : postaldb::kSmallKana) {
    s = text::Replace(s, pair.small, pair.large);
  }
}

void seikika2(std::u16string& s, std::span<const std::u16string> words) {
  s = text::Trim(s);
  for (const std::u16string& word : words) {
    if (word.empty()) continue;
    const std::size_t at = s.find(word);
    if (at != std::u16string::npos) s.erase(at, word.size());
  }
}

}  // namespace kovari::office_search
