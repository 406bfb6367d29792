#include "resolve/name_form.h"

#include "text/kanji_fold.h"

namespace kovari::resolve {

std::u16string comparison_form(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) {
    if (c == u'ヶ' || c == u'が' || c == u'ガ') {
      c = u'ケ';
    } else {
      c = text::fold_kanji_variant(c);
    }
  }
  return out;
}

}  // namespace kovari::resolve
