// The prefecture and municipal levels: marker searches, the marker rules and
// the cuts.
#include <algorithm>

#include "decompose/decompose_steps.h"
#include "decompose/marker_scan.h"
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

bool set(int p) { return p != 0; }

}  // namespace

void take_prefecture(std::u16string_view& w, const MarkerPositions& markers, Decomposition& d) {
  const auto first = markers.in(w);
  Marks& P = d.slot[1].addr_flag;
  P[kTokyoTo] = first.word(u"東京都");
  P[kHokkaido] = first.word(u"北海道");
  P[kFu] = first.word(u"大阪府");
  P[kKen] = first(u'県');
  P[kShi] = first(u'市');
  int morokata = 0;
  if (first.word(u"諸県郡") != 0) {
    for (std::u16string_view county : kMorokataCounties) {
      morokata = InStr(w, county);
      if (morokata != 0) break;
    }
  }
  if (P[kKen] <= 2) P[kKen] = 0;
  if (morokata == 1) P[kKen] = 0;
  if (P[kShi] != 0 && P[kShi] < P[kKen]) P[kKen] = 0;
  if (P[kTokyoTo] + P[kHokkaido] + P[kFu] + P[kKen] == 0) {
    P[kFu] = first.word(u"京都府");
    P[kKen] = first(u'件');
  }
  // A three-character name opening the text ends at character 3.
  for (int k = kTokyoTo; k <= kFu; ++k) {
    if (P[k] == 1) {
      P[k] = 3;
      break;
    }
  }
  int m = 0;
  for (int k = kTokyoTo; k <= kKen; ++k) {
    if (P[k] <= 1 || P[k] >= 5) P[k] = 0;
    m = std::max(m, P[k]);
  }
  if (m != 0) cut_at(w, m, d.slot[1].addr_part[kPref]);
}

void find_municipal_markers(std::u16string_view w, const MarkerPositions& markers,
                            std::u16string_view pref, Marks& P,
                            const postaldb::PostalTables& tables) {
  const auto first = markers.in(w);
  P[kShi] = first(u'市');
  P[kKu] = first(u'区');
  P[kGun] = first(u'郡');
  P[kShima] = first(u'島');
  P[kMachi] = first(u'町');
  P[kMura] = first(u'村');
  if (P[kGun] == 0) {
    P[kGun] = first(u'群');
    if (first.word(u"群馬") != 0) P[kGun] = 0;
  }
  // fix_city_marker moves the marker only to a later 市, which most addresses lack.
  if (P[kShi] != 0 && first(u'市', P[kShi] + 1) != 0) fix_city_marker(w, P[kShi], pref, tables);
  if (P[kGun] == 1) {
    if (const int again = first(u'郡', 2); again != 0) P[kGun] = again;
  }
  if (P[kGun] != 0) drop_county_marker(w, P[kGun], P[kShi], pref, tables);
  if (P[kMachi] != 0) {  // towns named 〇町町 end at their second 町
    if (const int a = first.word(u"大町町"); a != 0) P[kMachi] = a + 2;
    if (const int a = first.word(u"鹿町町"); a != 0) P[kMachi] = a + 2;
  }
  if (set(P[kShi]) && set(P[kGun]) && set(P[kMachi]) && first.word(u"郡山市") != 0) {
    P[kGun] = 0;
    P[kMachi] = 0;
  }
  if (set(P[kShi]) && set(P[kKu]) && first.word(u"姫路市") != 0) P[kKu] = 0;
}

void apply_marker_rules(std::u16string_view w, Marks& P) {
  // Rules 1-4: with a county, a 市 before its town or village is part of a name.
  if (set(P[kGun]) && P[kShi] < P[kMachi]) P[kShi] = 0;
  if (set(P[kGun]) && set(P[kMachi]) && P[kMachi] < P[kShi]) P[kShi] = 0;
  if (set(P[kGun]) && set(P[kMura]) && P[kMura] < P[kShi]) P[kShi] = 0;
  if (set(P[kShi]) && set(P[kGun]) && set(P[kMura])) P[kShi] = 0;
  // Rules 5-7: a 郡 inside a city name; an island or a 村 inside a county.
  if (P[kGun] < P[kShi]) P[kGun] = 0;
  if (set(P[kGun]) && set(P[kShima])) P[kShima] = 0;
  if (set(P[kGun]) && set(P[kMachi]) && set(P[kMura]) && P[kMura] < P[kGun]) P[kMura] = 0;
  // Rule 8: a town and a village after a county.
  if (set(P[kGun]) && set(P[kMachi]) && set(P[kMura])) {
    if (P[kMachi] < P[kMura]) P[kMura] = 0;
    for (std::u16string_view town : kTownsContainingMura) {
      if (contains(w, town)) P[kMura] = 0;
    }
    if (set(P[kMura]) && P[kMura] < P[kMachi]) P[kMachi] = 0;
  }
  // Rule 9: a village ending found again after the first 村.
  if (P[kShi] == 0 && P[kKu] == 0 && P[kShima] == 0 && P[kMachi] == 0 && set(P[kMura]) &&
      P[kMura] < P[kGun]) {
    if (const int again = InStr(P[kMura] + 1, w, u"村"); again != 0) P[kMura] = again;
  }
  // Rule 10: a 町 after a ward belongs to the town area.
  if (P[kGun] + P[kShima] + P[kMura] == 0 && set(P[kKu]) && P[kKu] < P[kMachi]) P[kMachi] = 0;
  // Rules 11 and 12: a ward is the first level when nothing else ends one.
  if (P[kShi] + P[kGun] + P[kShima] + P[kMachi] + P[kMura] == 0) {
    if (set(P[kKu]) && P[kHokkaido] + P[kFu] + P[kKen] == 0) P[kShi] = P[kKu];
  } else if (P[kShi] + P[kGun] + P[kMachi] + P[kMura] == 0 && P[kShima] < P[kKu]) {
    P[kShima] = 0;
    P[kShi] = P[kKu];
  }
  // Rule 13: a 区 after a county's village belongs to the town area.
  if (set(P[kKu]) && set(P[kGun]) && set(P[kMura]) && P[kGun] < P[kMura] && P[kMura] < P[kKu])
    P[kKu] = 0;
  // Rules 14-17: a city or a ward leaves no county, island, town or village (a
  // 町 after a city belongs to the town area).
  if (set(P[kShi])) P[kGun] = P[kShima] = P[kMachi] = P[kMura] = 0;
  if (set(P[kKu]) && set(P[kGun]) && set(P[kMachi]) && P[kMachi] < P[kKu]) P[kKu] = 0;
  if (set(P[kKu])) P[kGun] = P[kShima] = P[kMachi] = P[kMura] = 0;
  if (set(P[kShi]) && set(P[kKu]) && P[kKu] < P[kShi])
    P[kShi] = P[kGun] = P[kShima] = P[kMachi] = P[kMura] = 0;
}

void cut_municipal_levels(std::u16string_view& w, Decomposition& d,
                          const postaldb::PostalTables& tables) {
  DecompositionSlot& slot = d.slot[1];
  Marks& P = slot.addr_flag;
  auto& part = slot.addr_part;
  if (P[kShi] == 0) {
    if (P[kTokyoTo] == 0) {
      if (P[kKu] != 0) {
        cut_at(w, P[kKu], part[kWardTown]);
        tokyo_ward_to_city(part[kPref], part[kCity], part[kWardTown], tables);
        complete_city_from_ward(part[kPref], part[kCity], part[kWardTown], tables, slot.added_len);
      }
    } else if (P[kKu] != 0) {
      cut_at(w, P[kKu], part[kCity]);
    }
  }
  if (P[kShi] != 0) {
    cut_at(w, P[kShi], part[kCity]);
    if (P[kKu] != 0) {
      check_designated_city(part[kCity], P[kKu]);
      if (P[kKu] != 0) cut_at(w, P[kKu] - P[kShi], part[kWardTown]);
    }
    P[kGun] = P[kShima] = P[kMachi] = P[kMura] = 0;
  }
  // A county or an island, then its town or village.
  for (int level : {7, 8}) {
    if (P[level] == 0) continue;
    cut_at(w, P[level], part[kCity]);
    if (P[kMachi] != 0) {
      cut_at(w, P[kMachi] - P[level], part[kWardTown]);
    } else if (P[kMura] != 0) {
      cut_at(w, P[kMura] - P[level], part[kWardTown]);
    }
  }
  if (P[kGun] == 0 && P[kShima] == 0) {
    if (P[kMachi] != 0) {
      cut_at(w, P[kMachi], part[kWardTown]);
    } else if (P[kMura] != 0) {
      cut_at(w, P[kMura], part[kWardTown]);
    }
  }
}

}  // namespace kovari::decompose
