#include "resolve/name_form.h"

#include <algorithm>

#include "text/kanji_fold.h"

namespace kovari::resolve {
namespace {

char16_t comparison_char(char16_t c) {
  if (c == u'ヶ' || c == u'が' || c == u'ガ') return u'ケ';
  return text::fold_kanji_variant(c);
}

}  // namespace

std::u16string comparison_form(std::u16string_view s) {
  std::u16string out;
  comparison_form(s, out);
  return out;
}

void comparison_form(std::u16string_view s, std::u16string& out) {
  comparison_form(s, {}, {}, out);
}

void comparison_form(std::u16string_view s, std::u16string_view head, std::u16string_view head_form,
                     std::u16string& out) {
  const std::size_t made = s.starts_with(head) ? head.size() : 0;
  out.resize(s.size());
  std::copy_n(head_form.begin(), made, out.begin());
  for (std::size_t i = made; i < s.size(); ++i) out[i] = comparison_char(s[i]);
}

bool has_comparison_form(std::u16string_view name, std::u16string_view form) {
  if (name.size() != form.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (comparison_char(name[i]) != form[i]) return false;
  }
  return true;
}

}  // namespace kovari::resolve
