// A bracketed remark before the address ((前期)長野県大町市八坂１０９０,
// 【旧】…), as lists kept for other purposes carry it, is dropped.
#include <array>
#include <utility>

#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

// Opening and closing brackets, full width as in a normalised text, and the
// ASCII ones.
constexpr std::array<std::pair<char16_t, char16_t>, 12> kBrackets = {{
    {u'（', u'）'},
    {u'［', u'］'},
    {u'｛', u'｝'},
    {u'【', u'】'},
    {u'〔', u'〕'},
    {u'「', u'」'},
    {u'『', u'』'},
    {u'〈', u'〉'},
    {u'《', u'》'},
    {u'＜', u'＞'},
    {u'(', u')'},
    {u'[', u']'},
}};

// The text after the remark that opens it; nothing when none does or nothing
// follows it.
std::optional<std::u16string_view> after_remark(std::u16string_view text) {
  for (const auto& [open, close] : kBrackets) {
    if (text.empty() || text.front() != open) continue;
    const std::size_t end = text.find(close, 1);
    if (end == std::u16string_view::npos || end + 1 >= text.size()) return std::nullopt;
    return text.substr(end + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::u16string> drop_leading_remark(std::u16string_view text) {
  std::optional<std::u16string_view> rest = after_remark(text);
  if (!rest) return std::nullopt;
  while (std::optional<std::u16string_view> further = after_remark(*rest)) rest = further;
  return std::u16string(*rest);
}

}  // namespace kovari::resolve
