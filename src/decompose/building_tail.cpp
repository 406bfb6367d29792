// The split of a building or room text off the last number part at the end of
// decomposition.
#include <algorithm>

#include "decompose/block_numbers.h"
#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

// The number part without its first 番地, else 番, else 号.
std::u16string without_first_marker(const std::u16string& x) {
  for (std::u16string_view marker : {u"番地", u"番", u"号"}) {
    if (contains(x, marker)) return text::ReplaceFirst(x, marker, u"");
  }
  return x;
}

// A building text ending in a number of at most three trailing characters
// after it (ビル5F): the number goes to kExtraNumber.
void split_room_number(std::u16string& part8, std::u16string& part9) {
  const int f = text::Len(part8);
  int r = f;
  while (r >= 1 && !digit_at(part8, r)) --r;
  if (r < f - 2) return;
  int h = r - 1;
  while (h >= 1 && digit_at(part8, h)) --h;
  if (h < 1) return;
  part9 = plain_number(text::Val(text::mid_view(part8, h + 1)));
  part8.resize(h);
}

// At most 15 ASCII digits, which the general numeric test takes for a number
// too; longer runs are left to that test (a value beyond a double is no
// number to it).
bool short_ascii_digits(std::u16string_view s) {
  return !s.empty() && s.size() <= 15 &&
         std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

void split_tail_text(Decomposition& d, AddrPart q) {
  DecompositionSlot& slot = d.current();
  auto& part = slot.addr_part;
  if (q >= kChomeNumber && q <= kGoNumber) {
    // An empty part, as most addresses without numbers leave, has nothing to split.
    if (part[q].empty() || short_ascii_digits(part[q]) || text::IsNumeric(part[q])) return;
    const std::u16string e = without_first_marker(part[q]);
    // A number starting at character 1 or 2 is kept; the text after it splits.
    int i = digit_at(e, 1) ? 1 : digit_at(e, 2) ? 2 : 0;
    if (i != 0) {
      while (digit_at(e, i)) ++i;
    } else {
      i = 1;
    }
    if (i > text::Len(e)) return;
    part[q].assign(text::left_view(e, i - 1));
    part[kBuilding].assign(text::mid_view(e, i));
    slot.building_split = 1;
  } else if (q != kBuilding) {
    return;
  }
  split_room_number(part[kBuilding], part[kExtraNumber]);
}

void split_building_tail(Decomposition& d) {
  DecompositionSlot& slot = d.current();
  if (slot.building_found != 0) return;
  const auto& part = slot.addr_part;
  if (!part[kBuilding].empty()) {
    if (part[kExtraNumber].empty()) split_tail_text(d, kBuilding);
    return;
  }
  const AddrPart q = !part[kGoNumber].empty()       ? kGoNumber
                     : !part[kBanchiNumber].empty() ? kBanchiNumber
                                                    : kChomeNumber;
  // Most addresses that end at their town area have no number to split.
  if (!part[q].empty()) split_tail_text(d, q);
}

}  // namespace kovari::decompose
