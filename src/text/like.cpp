#include "text/like.h"

#include <optional>

namespace kovari::text {
namespace {

struct Element {
  enum class Kind { AnyRun, AnyOne, Digit, Literal, List, Nothing };
  Kind kind = Kind::Literal;
  char16_t literal = 0;
  std::u16string_view list = {};  // the list between "[" (or "[!") and "]"
  bool negated = false;
  std::size_t next = 0;  // position of the following element in the pattern
};

// Whether c is in a character list; std::nullopt when the list is invalid
// (a "-" inside it, a range whose end is below its start).
std::optional<bool> list_contains(std::u16string_view list, char16_t c) {
  bool found = false;
  std::size_t i = 0;
  while (i < list.size()) {
    const char16_t low = list[i];
    if (low == u'-') {  // a "-" is itself only first or last
      if (i != 0 && i + 1 != list.size()) return std::nullopt;
      found = found || c == u'-';
      i += 1;
    } else if (i + 2 < list.size() && list[i + 1] == u'-') {
      const char16_t high = list[i + 2];
      if (high == u'-' || high < low) return std::nullopt;
      found = found || (low <= c && c <= high);
      i += 3;
    } else {
      found = found || c == low;
      i += 1;
    }
  }
  return found;
}

// The element starting at pattern[pos], or std::nullopt when it is invalid.
std::optional<Element> element_at(std::u16string_view pattern, std::size_t pos) {
  using Kind = Element::Kind;
  const char16_t c = pattern[pos];
  switch (c) {
    case u'*':
      return Element{.kind = Kind::AnyRun, .next = pos + 1};
    case u'?':
      return Element{.kind = Kind::AnyOne, .next = pos + 1};
    case u'#':
      return Element{.kind = Kind::Digit, .next = pos + 1};
    case u'[': {
      const std::size_t close = pattern.find(u']', pos + 1);
      if (close == std::u16string_view::npos) return std::nullopt;
      std::u16string_view list = pattern.substr(pos + 1, close - pos - 1);
      if (list.empty()) return Element{.kind = Kind::Nothing, .next = close + 1};
      const bool negated = list.front() == u'!';
      if (negated) list.remove_prefix(1);
      if (!list_contains(list, 0)) return std::nullopt;
      return Element{.kind = Kind::List, .list = list, .negated = negated, .next = close + 1};
    }
    default:
      return Element{.kind = Kind::Literal, .literal = c, .next = pos + 1};
  }
}

bool matches_one(const Element& element, char16_t c) {
  switch (element.kind) {
    case Element::Kind::AnyOne:
      return true;
    case Element::Kind::Digit:
      return c >= u'0' && c <= u'9';
    case Element::Kind::Literal:
      return c == element.literal;
    case Element::Kind::List:
      return *list_contains(element.list, c) != element.negated;
    case Element::Kind::AnyRun:
    case Element::Kind::Nothing:
      break;
  }
  return false;
}

bool is_valid(std::u16string_view pattern) {
  for (std::size_t pos = 0; pos < pattern.size();) {
    const std::optional<Element> element = element_at(pattern, pos);
    if (!element) return false;
    pos = element->next;
  }
  return true;
}

bool is_zero_width(Element::Kind kind) {
  return kind == Element::Kind::AnyRun || kind == Element::Kind::Nothing;
}

}  // namespace

bool Like(std::u16string_view text, std::u16string_view pattern) {
  if (!is_valid(pattern)) return false;
  // Every element but "*" and "[]" takes exactly one character, so going back
  // to the last "*" and letting it take one more character finds a match when
  // there is one.
  std::size_t t = 0;
  std::size_t p = 0;
  std::optional<std::size_t> after_run;  // pattern position after the last "*"
  std::size_t run_end = 0;               // text position that "*" has reached
  while (t < text.size()) {
    if (p < pattern.size()) {
      const Element element = *element_at(pattern, p);
      if (element.kind == Element::Kind::AnyRun) {
        after_run = element.next;
        run_end = t;
        p = element.next;
        continue;
      }
      if (element.kind == Element::Kind::Nothing) {
        p = element.next;
        continue;
      }
      if (matches_one(element, text[t])) {
        ++t;
        p = element.next;
        continue;
      }
    }
    if (!after_run) return false;
    p = *after_run;
    t = ++run_end;
  }
  while (p < pattern.size()) {
    const Element element = *element_at(pattern, p);
    if (!is_zero_width(element.kind)) return false;
    p = element.next;
  }
  return true;
}

}  // namespace kovari::text
