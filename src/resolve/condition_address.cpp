#include "resolve/condition_address.h"

#include "resolve/condition_text.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kTownArea, decompose::kChomeNumber, decompose::kBanchiNumber, decompose::kGoNumber,
    decompose::kExtraNumber;

using text::InStr;
using text::Len;

ConditionAddress condition_address(const decompose::DecompositionSlot& slot) {
  ConditionAddress a;
  a.town = slot.addr_part[kTownArea];
  a.chome = slot.addr_part[kChomeNumber];
  a.banchi = slot.addr_part[kBanchiNumber];
  a.go = slot.addr_part[kGoNumber];
  a.floor = slot.addr_part[kExtraNumber];
  a.p5 = leading_number(a.chome);
  a.p6 = leading_number(a.banchi);
  a.p7 = leading_number(a.go);
  return a;
}

namespace {

// The position of the first of two marks, the second only when the first is absent.
int first_of(std::u16string_view c, std::u16string_view mark, std::u16string_view fallback) {
  const int p = InStr(c, mark);
  return p != 0 ? p : InStr(c, fallback);
}

// A number mark counts only when a digit stands right before it.
int after_digit(std::u16string_view c, int p) { return p >= 2 && is_digit_at(c, p - 1) ? p : 0; }

}  // namespace

ConditionMarks find_block_marks(std::u16string& c, bool kyoto_mode) {
  ConditionMarks m;
  int length = Len(c);
  m.tilde = InStr(c, u"~");
  m.dash = InStr(c, u"-");
  m.chome = kyoto_mode ? 0 : first_of(c, u"丁目", u"地割");
  m.banchi = first_of(c, u"番地", u"番");
  if (m.banchi == 0 && m.chome != 0 && text::IsNumeric(text::Right(c, length - m.chome - 1))) {
    m.banchi = length + 1;
  }
  if (m.chome != 0 && m.banchi == 0 && m.chome + 2 < length) {
    // "3丁目5~8": what follows 丁目 is a 番地 range.
    m.banchi = length + 1;
    c += u"番";
    ++length;
  }
  m.banchi = after_digit(c, m.banchi);
  return m;
}

void find_other_marks(std::u16string_view c, ConditionMarks& m) {
  const int length = Len(c);
  m.go = after_digit(c, InStr(c, u"号"));
  m.sen = after_digit(c, InStr(c, u"線"));
  m.floor = after_digit(c, InStr(c, u"階"));
  m.ku = after_digit(c, InStr(c, u"区"));
  m.next_building = InStr(c, u"次のﾋﾞﾙ");
  m.no_floor = InStr(c, u"階層不明");
  m.at_least = InStr(c, u"以上");
  m.at_most = InStr(c, u"以下");
  m.oaza = InStr(c, u"大字");
  if (m.chome == 1) m.chome = 0;
  if (m.banchi == 1) m.banchi = 0;
  // A mark at the very end has no number after it.
  if (m.tilde == length) m.tilde = 0;
  if (m.dash == length) m.dash = 0;
  if (m.chome == length) m.chome = 0;
}

}  // namespace kovari::resolve
