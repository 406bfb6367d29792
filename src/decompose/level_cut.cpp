// The prefecture and municipal levels: marker searches, the marker rules and
// the cuts.
#include <algorithm>

#include "decompose/decompose_steps.h"
#include "decompose/municipal.h"
#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

using text::InStr;

// Counties named …諸県郡, whose 県 is no prefecture ending; searched in order.
constexpr std::array<std::u16string_view, 3> kMorokataCounties = {u"北諸県郡", u"西諸県郡",
                                                                  u"東諸県郡"};

// Towns whose names contain 村, which is then no village ending (marker rule 8).
constexpr std::array<std::u16string_view, 7> kTownsContainingMura = {
    u"野村町", u"岩村町", u"村田町", u"玉村町", u"村松町", u"村岡町", u"中村町"};

// Towns named 〇町町, whose town ending is their second 町.
constexpr std::array<std::u16string_view, 2> kTownsEndingMachiMachi = {u"大町町", u"鹿町町"};

bool set(int p) { return p != 0; }

}  // namespace

void take_prefecture(std::u16string& w, Decomposition& d) {
  Marks& P = d.slot[1].addr_flag;
  P[1] = InStr(w, u"東京都");
  P[2] = InStr(w, u"北海道");
  P[3] = InStr(w, u"大阪府");
  P[4] = InStr(w, u"県");
  P[5] = InStr(w, u"市");
  int morokata = 0;
  for (std::u16string_view county : kMorokataCounties) {
    morokata = InStr(w, county);
    if (morokata != 0) break;
  }
  if (P[4] <= 2) P[4] = 0;
  if (morokata == 1) P[4] = 0;
  if (P[5] != 0 && P[5] < P[4]) P[4] = 0;
  if (P[1] + P[2] + P[3] + P[4] == 0) {
    P[3] = InStr(w, u"京都府");
    P[4] = InStr(w, u"件");
  }
  // A three-character name opening the text ends at character 3.
  for (int k = 1; k <= 3; ++k) {
    if (P[k] == 1) {
      P[k] = 3;
      break;
    }
  }
  int m = 0;
  for (int k = 1; k <= 4; ++k) {
    if (P[k] <= 1 || P[k] >= 5) P[k] = 0;
    m = std::max(m, P[k]);
  }
  if (m != 0) cut_at(w, m, d.slot[1].addr_part[1]);
}

void find_municipal_markers(std::u16string_view w, std::u16string_view pref, Marks& P,
                            const postaldb::PostalTables& tables) {
  P[5] = InStr(w, u"市");
  P[6] = InStr(w, u"区");
  P[7] = InStr(w, u"郡");
  P[8] = InStr(w, u"島");
  P[9] = InStr(w, u"町");
  P[10] = InStr(w, u"村");
  if (P[7] == 0) {
    P[7] = InStr(w, u"群");
    if (P[7] != 0 && contains(w, u"群馬")) P[7] = 0;
  }
  if (P[5] != 0) fix_city_marker(w, P[5], pref, tables);
  if (P[7] == 1) {
    if (const int again = InStr(2, w, u"郡"); again != 0) P[7] = again;
  }
  if (P[7] != 0) drop_county_marker(w, P[7], P[5], pref, tables);
  if (P[9] != 0) {
    for (std::u16string_view town : kTownsEndingMachiMachi) {
      if (const int a = InStr(w, town); a != 0) P[9] = a + 2;
    }
  }
  if (set(P[5]) && set(P[7]) && set(P[9]) && contains(w, u"郡山市")) {
    P[7] = 0;
    P[9] = 0;
  }
  if (set(P[5]) && set(P[6]) && contains(w, u"姫路市")) P[6] = 0;
}

void apply_marker_rules(std::u16string_view w, Marks& P) {
  // Rules 1-4: with a county, a 市 before its town or village is part of a name.
  if (set(P[7]) && P[5] < P[9]) P[5] = 0;
  if (set(P[7]) && set(P[9]) && P[9] < P[5]) P[5] = 0;
  if (set(P[7]) && set(P[10]) && P[10] < P[5]) P[5] = 0;
  if (set(P[5]) && set(P[7]) && set(P[10])) P[5] = 0;
  // Rules 5-7: a 郡 inside a city name; an island or a 村 inside a county.
  if (P[7] < P[5]) P[7] = 0;
  if (set(P[7]) && set(P[8])) P[8] = 0;
  if (set(P[7]) && set(P[9]) && set(P[10]) && P[10] < P[7]) P[10] = 0;
  // Rule 8: a town and a village after a county.
  if (set(P[7]) && set(P[9]) && set(P[10])) {
    if (P[9] < P[10]) P[10] = 0;
    for (std::u16string_view town : kTownsContainingMura) {
      if (contains(w, town)) P[10] = 0;
    }
    if (set(P[10]) && P[10] < P[9]) P[9] = 0;
  }
  // Rule 9: a 町 after a city belongs to the town area.
  if (set(P[5]) && set(P[9]) && P[7] == 0 && P[8] == 0) P[9] = 0;
  // Rule 10: a village ending found again after the first 村.
  if (P[5] == 0 && P[6] == 0 && P[8] == 0 && P[9] == 0 && set(P[10]) && P[10] < P[7]) {
    if (const int again = InStr(P[10] + 1, w, u"村"); again != 0) P[10] = again;
  }
  // Rule 11: a 町 after a ward belongs to the town area.
  if (P[7] + P[8] + P[10] == 0 && set(P[6]) && P[6] < P[9]) P[9] = 0;
  // Rules 12 and 13: a ward is the first level when nothing else ends one.
  if (P[5] + P[7] + P[8] + P[9] + P[10] == 0) {
    if (set(P[6]) && P[2] + P[3] + P[4] == 0) P[5] = P[6];
  } else if (P[5] + P[7] + P[9] + P[10] == 0 && P[8] < P[6]) {
    P[8] = 0;
    P[5] = P[6];
  }
  // Rule 14: a 区 after a county's village belongs to the town area.
  if (set(P[6]) && set(P[7]) && set(P[10]) && P[7] < P[10] && P[10] < P[6]) P[6] = 0;
  // Rules 15-18: a city or a ward leaves no county, island, town or village.
  if (set(P[5])) P[7] = P[8] = P[9] = P[10] = 0;
  if (set(P[6]) && set(P[7]) && set(P[9]) && P[9] < P[6]) P[6] = 0;
  if (set(P[6])) P[7] = P[8] = P[9] = P[10] = 0;
  if (set(P[5]) && set(P[6]) && P[6] < P[5]) P[5] = P[7] = P[8] = P[9] = P[10] = 0;
}

void cut_municipal_levels(std::u16string& w, Decomposition& d,
                          const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  if (P[5] == 0) {
    if (P[1] == 0) {
      if (P[6] != 0) {
        cut_at(w, P[6], part[3]);
        tokyo_ward_to_city(part[1], part[2], part[3], tables);
        complete_city_from_ward(part[1], part[2], part[3], tables, slot.part_len[10]);
      }
    } else if (P[6] != 0) {
      cut_at(w, P[6], part[2]);
    }
  }
  if (P[5] != 0) {
    cut_at(w, P[5], part[2]);
    if (P[6] != 0) {
      check_designated_city(part[2], P[6]);
      if (P[6] != 0) cut_at(w, P[6] - P[5], part[3]);
    }
    P[7] = P[8] = P[9] = P[10] = 0;
  }
  // A county or an island, then its town or village.
  for (int level : {7, 8}) {
    if (P[level] == 0) continue;
    cut_at(w, P[level], part[2]);
    if (P[9] != 0) {
      cut_at(w, P[9] - P[level], part[3]);
    } else if (P[10] != 0) {
      cut_at(w, P[10] - P[level], part[3]);
    }
  }
  if (P[7] == 0 && P[8] == 0) {
    if (P[9] != 0) {
      cut_at(w, P[9], part[3]);
    } else if (P[10] != 0) {
      cut_at(w, P[10], part[3]);
    }
  }
}

}  // namespace kovari::decompose
