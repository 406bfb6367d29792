#include "resolve/kyoto_direction.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "text/vb.h"

namespace kovari::resolve {
namespace {

using text::InStr;

// Town names that begin with 西 and so must not be read as the 西 of "下る西"
// or "筋目西".
constexpr std::u16string_view kWestTownNames[] = {u"西大路町", u"西北小路町", u"西町"};

// Position of the first of the spellings found (0 when none).
int first_of(std::u16string_view s, std::initializer_list<std::u16string_view> spellings) {
  for (std::u16string_view m : spellings) {
    if (int p = InStr(s, m); p != 0) return p;
  }
  return 0;
}

// One marker: where it begins and how many characters the phrase takes with it.
struct Marker {
  int pos = 0;
  int len = 2;
};

}  // namespace

void cut_kyoto_direction(std::u16string& area, std::u16string& direction) {
  const std::u16string_view s = area;
  // Every marker ends in one of these: a town area without them has no phrase.
  if (s.find_first_of(u"るル入前目敷") == std::u16string_view::npos) return;

  Marker up{first_of(s, {u"上る", u"上ル", u"南入", u"城前"})};
  Marker down{first_of(s, {u"下る", u"下ル"})};
  Marker east{InStr(s, u"東入")};
  if (east.pos != 0 && InStr(s, u"東入る") == east.pos) east.len = 3;
  Marker west{InStr(s, u"西入")};
  if (west.pos != 0) {
    if (int second = InStr(west.pos + 1, s, u"西入"); second != 0) west.pos = second;
  }
  Marker chome{InStr(s, u"丁目")};
  Marker sujime{InStr(s, u"筋目")};
  Marker yashiki{InStr(s, u"屋敷")};
  if (InStr(s, u"屋敷町") != 0) yashiki.pos = 0;

  // "下る西" and "筋目西" take the 西 with them, unless that 西 begins a town name.
  bool west_variant_void = false;
  for (std::u16string_view name : kWestTownNames) {
    if (InStr(s, name) != 0) west_variant_void = true;
  }
  if (!west_variant_void) {
    if (down.pos != 0 && InStr(s, u"下る西") == down.pos) down.len = 3;
    if (sujime.pos != 0 && InStr(s, u"筋目西") == sujime.pos) sujime.len = 3;
  }

  // The town's 町: the first after the last direction, else the first at all.
  const int last_direction = std::max({up.pos, down.pos, east.pos, west.pos});
  int machi = InStr(last_direction + 1, s, u"町");
  int machi_from = last_direction + 1;
  if (machi == 0) {
    machi = InStr(s, u"町");
    machi_from = 1;
  }
  if (machi != 0) {
    if (int me = InStr(machi_from, s, u"町目"); me != 0) machi = me + 1;
    if (chome.pos != 0 && chome.pos < machi) chome.pos = 0;
    if (sujime.pos != 0 && sujime.pos < machi) sujime.pos = 0;
  }

  // Town name first: a direction after the town's 町.
  if (machi != 0 && last_direction > machi) {
    direction = text::Mid(s, machi + 1);
    area = text::Left(s, machi);
    return;
  }

  // Direction first: the marker standing last closes the phrase.
  const Marker* last = nullptr;
  for (const Marker* m : {&up, &down, &east, &west, &chome, &sujime, &yashiki}) {
    if (m->pos != 0 && (last == nullptr || m->pos > last->pos)) last = m;
  }
  if (last == nullptr) return;
  const int end = last->pos + last->len - 1;
  direction = text::Trim(text::Left(s, end));
  area = text::Trim(text::Mid(s, end + 1));
}

}  // namespace kovari::resolve
