#include "resolve/name_form.h"

namespace kovari::resolve {

std::u16string comparison_form(std::u16string_view s) {
  std::u16string out;
  comparison_form(s, out);
  return out;
}

void comparison_form(std::u16string_view s, std::u16string& out) {
  out.resize(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = comparison_char(s[i]);
}

bool has_comparison_form(std::u16string_view name, std::u16string_view form) {
  if (name.size() != form.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (comparison_char(name[i]) != form[i]) return false;
  }
  return true;
}

}  // namespace kovari::resolve
