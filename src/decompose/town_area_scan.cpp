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

void find_block_markers(std::u16string_view w, Marks& P) {
  P[11] = InStr(w, u"丁");
  P[12] = InStr(w, u"番");
  if (P[12] != 0) {
    P[24] = InStr(w, u"番町");
    if (P[24] != 0) P[12] = 0;
  }
  P[13] = InStr(w, u"号");
  P[16] = InStr(w, u"-");
  P[21] = InStr(w, u"条");
  P[22] = InStr(w, u"線");
  P[23] = InStr(w, u"区");
  P[26] = InStr(w, u"地割");
  if (P[16] != 0) P[17] = InStr(P[16] + 1, w, u"-");
  if (P[17] != 0) P[18] = InStr(P[17] + 1, w, u"-");
}

// Kyoto addresses name the town after a street: in 京都市 the town area runs to
// the last of (at most) two 町.
int kyoto_town_end(std::u16string_view w, std::u16string_view city) {
  if (city != u"京都市") return 0;
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
    set_left(part[4], w, marker);
    set_mid(part[5], w, marker + 1);
  } else {
    set_left(part[4], w, marker + 1);
    if (marker + 2 <= text::Len(w)) set_mid(part[5], w, marker + 2);
  }
  slot.addr_part_copy[5] = part[5];
  jo_sen_to_kanji(part[4], tables, slot.part_len[10]);
  parse_block_numbers(d, part[5], 1, 1, 1);
}

// Cases E/F: the town area ends at the first digit, or in 京都市 at its town.
void split_at(std::u16string_view w, int end, std::u16string& town, std::u16string& tail) {
  set_left(town, w, end);
  set_mid(tail, w, end + 1);
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
    if (i < P[26]) {  // A: 地割
      set_left(part[4], w, P[26] + 1);
      set_mid(part[5], w, i, P[26] - i);
      return digit_seen;
    }
    digit_seen = true;
    if (i < P[21]) {  // B: 条
      split_after_jo_sen(w, P[21], d, tables);
    } else if (i < P[22]) {  // C: 線
      split_after_jo_sen(w, P[22], d, tables);
    } else if (i < P[23]) {  // D: 区
      parse_ku_number(d, w, i, P[23], tables);
    } else if (B != 0) {  // E: 丁/番/号
      const int a = kyoto_town_end(w, part[2]);
      split_at(w, a > P[11] ? a : i - 1, part[4], part[5]);
      slot.addr_part_copy[5] = part[5];
      parse_block_numbers(d, part[5], P[11], P[12], P[13]);
    } else if (D != 0) {  // F: dashes
      const int a = kyoto_town_end(w, part[2]);
      split_at(w, a > i ? a : i - 1, part[4], part[5]);
      slot.addr_part_copy[5] = part[5];
      parse_dash_numbers(d, part[5], P[16], P[17]);
    } else if (P[24] != 0) {  // G with 番町: the scan goes on
      part[4].assign(w);
      continue;
    } else {  // G
      split_at(w, i - 1, part[4], part[6]);
      slot.addr_part_copy[5] = part[6];
      parse_dash_numbers(d, part[6], 1, 1);
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
  for (int k : {13, 12, 11}) {
    if (P[k] == 0) continue;
    const bool in_town_area = P[k] <= text::Len(part[4]);
    const std::optional<int> v = in_town_area ? kanji_number_before(part[4], k, true, tables)
                                              : kanji_number_before(part[k - 6], k, false, tables);
    if (!v) continue;
    const std::u16string value = plain_number(*v);
    if (k == 13) {
      part[7] = value;
    } else if (k == 11) {
      part[5] = value;
    } else {
      if (in_town_area && !part[6].empty()) part[7] = part[6];
      part[6] = value;
    }
  }
}

}  // namespace

void decompose_town_area(std::u16string& w, Decomposition& d,
                         const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  find_block_markers(w, P);
  const int B = P[11] + P[12] + P[13];
  const int D = P[16] + P[17] + P[18];
  town_area_exceptions(part[2], part[3], w, P);
  const bool digit_seen = P[30] >= 1 ? false : scan_numbers(w, d, tables, B, D);
  if (P[30] != 0) {
    cut_at(w, P[30], part[4]);
  }
  if (part[4].empty() && !digit_seen) part[4] = w;
  if (B != 0 && P[30] == 0) read_kanji_block_numbers(d, tables);
}

}  // namespace kovari::decompose
