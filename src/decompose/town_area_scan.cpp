// The town area and its block tail: block markers, the town-area exceptions,
// the number scan and the kanji block numbers.
#include "decompose/block_numbers.h"
#include "decompose/decompose_steps.h"
#include "decompose/normalize.h"
#include "decompose/text_scan.h"
#include "decompose/town_area_exceptions.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

using text::InStr;

void find_block_markers(std::u16string_view w, const MarkerPositions& markers, Marks& P) {
  const auto first = markers.in(w);
  P[kCho] = first(u'丁');
  P[kBan] = first(u'番');
  if (P[kBan] != 0) {
    P[kBanchou] = InStr(P[kBan], w, u"番町");
    if (P[kBanchou] != 0) P[kBan] = 0;
  }
  P[kGo] = first(u'号');
  P[kDash1] = first(u'-');
  P[kJo] = first(u'条');
  P[kSen] = first(u'線');
  P[kTownKu] = first(u'区');
  P[kChiwari] = first.word(u"地割");
  if (P[kDash1] != 0) P[kDash2] = first(u'-', P[kDash1] + 1);
  if (P[kDash2] != 0) P[kDash3] = first(u'-', P[kDash2] + 1);
}

// Kyoto addresses name the town after a street: in 京都市 the town area runs to
// the last of (at most) two 町.
int kyoto_town_end(std::u16string_view w, std::u16string_view city) {
  static constexpr std::u16string_view kKyotoCity = u"京都市";  // a length known when compiled
  if (city != kKyotoCity) return 0;
  int a = InStr(w, u"町");
  if (a != 0) {
    if (const int second = InStr(a + 1, w, u"町"); second != 0) a = second;
  }
  return a;
}

// Case B/C: a 条 or 線 town area (北1条西3丁目, 東3線).
void split_after_jo_sen(std::u16string_view w, int marker, Decomposition& d,
                        const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  auto& part = slot.addr_part;
  if (digit_at(w, marker + 1)) {
    set_left(part[kTownArea], w, marker);
    set_mid(part[kChomeNumber], w, marker + 1);
  } else {
    set_left(part[kTownArea], w, marker + 1);
    if (marker + 2 <= text::Len(w)) set_mid(part[kChomeNumber], w, marker + 2);
  }
  slot.addr_part_copy[kChomeNumber] = part[kChomeNumber];
  jo_sen_to_kanji(part[kTownArea], tables, slot.added_len);
  parse_block_numbers(d, part[kChomeNumber], 1, 1, 1);
}

// Case E: the town area ends at the first digit, or in 京都市 at its town.
void split_at(std::u16string_view w, int end, std::u16string& town, std::u16string& tail) {
  set_left(town, w, end);
  set_mid(tail, w, end + 1);
}

// Cases F/G: as E, for a tail parse_dash_numbers reads in place; the tail as
// typed is kept for the windows.
void split_dash_tail(std::u16string_view w, int end, Decomposition& d, int first_dash,
                     int second_dash, AddrPart unsplit) {
  DecompositionSlot& slot = d.slot[1];
  set_left(slot.addr_part[kTownArea], w, end);
  const std::u16string_view tail = text::mid_view(w, end + 1);
  assign_part(slot.addr_part_copy[kChomeNumber], tail);
  parse_dash_numbers(d, tail, first_dash, second_dash, unsplit);
}

// The number scan from the first digit of the town-area text; returns whether
// a digit was seen (a 地割 number does not count).
bool scan_numbers(std::u16string_view w, Decomposition& d, const postaldb::PostalTables& tables,
                  int B, int D) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  bool digit_seen = false;
  for (int i = first_digit(w); i != 0; i = first_digit(w, i + 1)) {
    if (i < P[kChiwari]) {  // A: 地割
      set_left(part[kTownArea], w, P[kChiwari] + 1);
      set_mid(part[kChomeNumber], w, i, P[kChiwari] - i);
      return digit_seen;
    }
    digit_seen = true;
    if (i < P[kJo]) {  // B: 条
      split_after_jo_sen(w, P[kJo], d, tables);
    } else if (i < P[kSen]) {  // C: 線
      split_after_jo_sen(w, P[kSen], d, tables);
    } else if (i < P[kTownKu]) {  // D: 区
      parse_ku_number(d, w, i, P[kTownKu], tables);
    } else if (B != 0) {  // E: 丁/番/号
      const int a = kyoto_town_end(w, part[kCity]);
      split_at(w, a > P[kCho] ? a : i - 1, part[kTownArea], part[kChomeNumber]);
      slot.addr_part_copy[kChomeNumber] = part[kChomeNumber];
      parse_block_numbers(d, part[kChomeNumber], P[kCho], P[kBan], P[kGo]);
    } else if (D != 0) {  // F: dashes
      const int a = kyoto_town_end(w, part[kCity]);
      split_dash_tail(w, a > i ? a : i - 1, d, P[kDash1], P[kDash2], kChomeNumber);
    } else if (P[kBanchou] != 0) {  // G with 番町: the scan goes on
      assign_part(part[kTownArea], w);
      continue;
    } else {  // G
      split_dash_tail(w, i - 1, d, 1, 1, kBanchiNumber);
    }
    return digit_seen;
  }
  return digit_seen;
}

// Block numbers written in kanji (三丁目, 五番地, 七号).
void read_kanji_block_numbers(Decomposition& d, const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  // Each marker with the part its number goes to.
  constexpr std::pair<Mark, AddrPart> kBlockParts[] = {
      {kGo, kGoNumber}, {kBan, kBanchiNumber}, {kCho, kChomeNumber}};
  for (const auto& [marker, number_part] : kBlockParts) {
    if (P[marker] == 0) continue;
    const bool in_town_area = P[marker] <= text::Len(part[kTownArea]);
    const std::optional<int> v =
        in_town_area ? kanji_number_before(part[kTownArea], marker, true, tables)
                     : kanji_number_before(part[number_part], marker, false, tables);
    if (!v) continue;
    const std::u16string value = plain_number(*v);
    if (marker != kBan) {
      part[number_part] = value;
    } else {
      if (in_town_area && !part[kBanchiNumber].empty()) part[kGoNumber] = part[kBanchiNumber];
      part[kBanchiNumber] = value;
    }
  }
}

}  // namespace

void decompose_town_area(std::u16string_view w, const MarkerPositions& markers, Decomposition& d,
                         const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  find_block_markers(w, markers, P);
  const int B = P[kCho] + P[kBan] + P[kGo];
  const int D = P[kDash1] + P[kDash2] + P[kDash3];
  town_area_exceptions(part[kCity], part[kWardTown], w, P);
  const bool digit_seen = P[kTownAreaEnd] >= 1 ? false : scan_numbers(w, d, tables, B, D);
  if (P[kTownAreaEnd] != 0) {
    cut_at(w, P[kTownAreaEnd], part[kTownArea]);
  }
  if (part[kTownArea].empty() && !digit_seen) assign_part(part[kTownArea], w);
  if (B != 0 && P[kTownAreaEnd] == 0) read_kanji_block_numbers(d, tables);
}

}  // namespace kovari::decompose
