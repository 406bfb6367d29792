// The level walk: prefecture, city (区市郡島名) and ward/town (区町村名), each
// by exact match (the rows of the typed name, found through the prepared
// names of the tables), then approximate matching.
#include <algorithm>

#include "decompose/municipal.h"
#include "resolve/level_rules.h"
#include "resolve/match_approx.h"
#include "resolve/resolve_walk.h"
#include "text/kanji_fold.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kPref, decompose::kCity, decompose::kWardTown, decompose::kTownArea;
namespace {

using text::Trim;

// 府中市 typed without its prefecture in a batch record whose existing code
// begins with 72 is the later of the two 府中市 rows.
constexpr std::u16string_view kFuchuOldCodeHead = u"72";

const NameSet& recurring_names(ResolveWalk& w) {
  ResolveCaches& caches = w.ctx.caches;
  if (!caches.shared_names_built) {
    caches.shared_city_names = recurring_city_names(w.t);
    caches.shared_names_built = true;
  }
  return caches.shared_city_names;
}

// The first prefecture whose trimmed name is `typed` once the variant kanji
// of both are folded (text::same_folded), as a walk of the table in order
// finds it; 0 when none is.
int prefecture_named(ResolveWalk& w, std::u16string_view typed) {
  std::unordered_map<std::u16string, int>& by_name = w.ctx.caches.prefecture_by_name;
  if (by_name.empty()) {
    for (int p = w.pref_count(); p >= 1; --p) {  // the first of equal names is kept
      by_name[text::fold_kanji_variants(text::trim_view(w.t.pref_name[p]))] = p;
    }
  }
  std::u16string& key = w.ctx.caches.scratch.folded;
  text::fold_kanji_variants(typed, key);
  const auto it = by_name.find(key);
  return it == by_name.end() ? 0 : it->second;
}

const CityNames& city_names(ResolveWalk& w) {
  std::optional<CityNames>& names = w.ctx.caches.city_names;
  if (!names) names.emplace(w.t);
  return *names;
}

// `typed` with its variant kanji folded, the form the prepared names compare
// in: `typed` itself when it holds none (most names).
std::u16string_view folded(ResolveWalk& w, std::u16string_view typed) {
  for (const char16_t c : typed) {
    if (text::fold_kanji_variant(c) != c) {
      std::u16string& out = w.ctx.caches.scratch.folded;
      text::fold_kanji_variants(typed, out);
      return out;
    }
  }
  return typed;
}

// The last row of the block that begins at `row`: the rows that follow it
// with the same city name. A name that recurs elsewhere in the table (a county
// of several prefectures) has its ward/town search run up to the range's end,
// but its own records are only those of this block.
int own_block_end(const ResolveWalk& w, int row, int block_end) {
  int end = row;
  while (end < block_end && w.t.city_name1[end + 1] == w.t.city_name1[row]) ++end;
  return end;
}

int approx_enabled(const ResolveWalk& w) {
  return w.ctx.settings.flag(settings::Flag::kApproximate);
}

// The city of the typed name over `range` (CityNames::find_city). When no
// row has the name, the candidates are the first rows of the range's blocks.
void find_city(ResolveWalk& w, CityRows range) {
  ResolveState& st = w.st;
  const postaldb::PostalTables& t = w.t;
  const std::u16string& city = w.part(kCity);
  const CityNames::City found = city_names(w).find_city(folded(w, text::trim_view(city)), range);
  st.found_city = found.row;
  w.block_end = found.unique_end == found.shared_end
                    ? found.unique_end
                    : found.block_end(city_name_unique(city, recurring_names(w)));
  if (found.row != 0) return;
  w.by_names = false;
  st.cand.clear();
  for (int r = range.first; r <= range.last; ++r) {
    if (r > range.first && t.city_name1[r] == t.city_name1[r - 1]) continue;
    st.cand.add(t.city_name1[r], u"", r, kMaxCityBlocks);
  }
}

// When decomposition cut the municipal levels where no city of the table ends
// (a 郡 or 島 inside a name, a name ending in 市市), the city, ward/town and
// town-area texts are cut again at the longest name of the range that begins
// them: a city (then the longest of its wards/towns that begins the rest), or
// a town or village that belongs to no city or county (小笠原村). True when a
// name was found.
bool recut_by_city_names(ResolveWalk& w, CityRows range) {
  const postaldb::PostalTables& t = w.t;
  const std::u16string joined =
      w.part(kCity) + w.part(kWardTown) + text::to_wide(w.part(kTownArea));
  int row = 0;
  std::size_t len = 0;
  for (int r = range.first; r <= range.last; ++r) {
    std::u16string_view name = text::trim_view(t.city_name1[r]);
    if (name.empty()) name = text::trim_view(t.city_name2[r]);
    if (name.size() > len && joined.starts_with(name)) {
      row = r;
      len = name.size();
    }
  }
  if (row == 0) return false;
  std::u16string_view rest = std::u16string_view(joined).substr(len);
  const std::u16string_view city = text::trim_view(t.city_name1[row]);
  std::u16string_view ward = city.empty() ? text::trim_view(t.city_name2[row]) : u"";
  if (!city.empty()) {
    for (int r = range.first; r <= range.last; ++r) {
      const std::u16string_view name = text::trim_view(t.city_name2[r]);
      if (text::trim_view(t.city_name1[r]) == city && name.size() > ward.size() &&
          rest.starts_with(name)) {
        ward = name;
      }
    }
    rest.remove_prefix(ward.size());
  }
  w.part(kCity) = std::u16string(city);
  w.part(kWardTown) = std::u16string(ward);
  w.part(kTownArea) = std::u16string(rest);
  return true;
}

}  // namespace

Step ResolveWalk::fail_with(std::u16string_view msg) {
  st.result_msg = msg;
  if (ctx.mode == CallerMode::kWindow) st.focus = Focus::kAddress;
  return Step::kDone;
}

Step ResolveWalk::fail_unsettled() {
  const auto typed = [this](decompose::AddrPart k) { return !text::trim_view(part(k)).empty(); };
  if (typed(kPref) && st.found_pref == 0) return fail_with(level_unknown(kListPref));
  if (typed(kCity) && st.found_city == 0) {
    // A ward where the city stands (中区三の丸): its city was left out.
    return fail_with(is_ward_name(part(kCity), t) ? kMsgTownAmbiguous : level_unknown(kListCity));
  }
  if (typed(kWardTown)) return fail_with(level_unknown(kListTown));
  return fail_with(kMsgNothingGiven);
}

Step ResolveWalk::ask_user(int list_kind) {
  if (ctx.mode != CallerMode::kWindow) return Step::kGoOn;
  st.list_kind = list_kind;
  return Step::kDone;
}

void ResolveWalk::set_record_range(int r, int e) {
  const int count = city_count();
  if (r < 1 || r > count) return;
  e = std::clamp(e, r, count);
  st.town_first = std::int64_t{t.city_pos1[r]} + 1;
  st.detail_first = r < static_cast<int>(t.city_pos2.size()) ? std::int64_t{t.city_pos2[r]} + 1 : 0;
  if (e == count) {
    st.town_last = ctx.db.dir.town_end1;
    st.detail_last = ctx.db.dir.town_end2;
  } else {
    st.town_last = t.city_pos1[e + 1];
    st.detail_last = e + 1 < static_cast<int>(t.city_pos2.size()) ? t.city_pos2[e + 1] : 0;
  }
}

Step resolve_prefecture(ResolveWalk& w) {
  ResolveState& st = w.st;
  RememberedChoices& memory = w.ctx.remembered;
  std::u16string& pref = w.part(kPref);
  if (text::trim_view(pref).empty()) return Step::kGoOn;

  if (!memory.last_pref_text.empty() && memory.last_pref_text == pref &&
      memory.last_pref <= w.pref_count()) {
    st.found_pref = memory.last_pref;
    st.level_mask = 1;
    return Step::kGoOn;
  }
  st.cand.clear();
  st.found_pref = prefecture_named(w, text::trim_view(pref));
  // The candidates: the prefectures in table order up to the one named.
  const int listed = st.found_pref != 0 ? st.found_pref : w.pref_count();
  for (int p = 1; p <= listed; ++p) st.cand.add(w.t.pref_name[p], u"", p, kMaxCandidates);
  if (st.found_pref != 0) {
    st.level_mask = 1;
    memory.last_pref_text = pref;
    memory.last_pref = st.found_pref;
    return Step::kGoOn;
  }

  const ApproxResult pick =
      match_approx(pref, w.pref_count(), st.cand, st.fuzzy, approx_enabled(w));
  if (!pick.ok || pick.index < 1 || pick.index > w.pref_count()) return w.ask_user(kListPref);
  st.found_pref = pick.index;
  pref = Trim(w.t.pref_name[pick.index]);
  st.level_mask = 1;
  decompose::complete_city_from_ward(w.part(kPref), w.part(kCity), w.part(kWardTown), w.t,
                                     w.slot().added_len);
  return Step::kGoOn;
}

Step resolve_city(ResolveWalk& w, bool& municipality_settled) {
  ResolveState& st = w.st;
  const postaldb::PostalTables& t = w.t;
  municipality_settled = false;
  bool recut = false;
  for (w.city_pass = 0;; ++w.city_pass) {
    st.found_city = 0;
    std::u16string& city = w.part(kCity);
    if (w.city_pass > 1 || text::trim_view(city).empty()) return Step::kGoOn;
    w.block_end = 0;

    CityRows range =
        st.found_pref != 0 ? prefecture_city_rows(w.t, st.found_pref) : CityRows{1, w.city_count()};
    if (st.found_pref == 0 && w.ctx.running.is_set(ConversionWindow::kBatchAddressToCode) &&
        text::Left(w.ctx.old_code, 2) == kFuchuOldCodeHead && city == u"府中市") {
      range.first = std::max(1, t.city_group[postaldb::kFuchuGroup][1]);
    }
    find_city(w, range);
    if (st.found_city == 0 && !recut && recut_by_city_names(w, range)) {
      recut = true;
      --w.city_pass;  // the city is now found exactly on the same pass
      continue;
    }
    if (st.found_city == 0) {
      const int count = std::min(st.cand.cand_count, kMaxCityBlocks);
      const ApproxResult pick = match_approx(city, count, st.cand, st.fuzzy, approx_enabled(w));
      if (!pick.ok || pick.index < 1 || pick.index > w.city_count()) {
        if (w.ask_user(kListCity) == Step::kDone) return Step::kDone;
        return Step::kGoOn;
      }
      city = t.city_name1[pick.index];
      if (w.part(kWardTown).empty()) w.part(kWardTown) = t.city_name2[pick.index];
      continue;  // the picked name is now found exactly
    }

    if (w.city_pass == 0) st.level_mask += 2;
    if (t.city_name2[st.found_city].empty()) {
      w.set_record_range(st.found_city, st.found_city);
      if (w.city_pass == 0) st.level_mask += 4;
      st.found_town = 0;
      municipality_settled = true;
      return Step::kGoOn;
    }
    if (w.block_end == 0) w.block_end = st.found_city;
    return Step::kGoOn;
  }
}

Step resolve_ward_town(ResolveWalk& w) {
  ResolveState& st = w.st;
  const postaldb::PostalTables& t = w.t;
  st.found_town = 0;
  std::u16string& ward = w.part(kWardTown);
  const bool nothing_settled = st.level_mask <= 1;

  if (text::trim_view(ward).empty()) {
    if (nothing_settled) return w.fail_unsettled();
    w.set_record_range(st.found_city, own_block_end(w, st.found_city, w.block_end));
    return Step::kGoOn;
  }

  CityRows range{1, w.city_count()};
  if (st.level_mask == 1) range = prefecture_city_rows(w.t, st.found_pref);
  if (st.level_mask >= 2) range = {st.found_city, std::min(w.block_end, w.city_count())};

  const std::u16string* found_name = st.found_city != 0 ? &t.city_name1[st.found_city] : nullptr;
  // The rows of one city count, unless no city (or a city without a name) was found.
  const std::u16string* counted_city =
      found_name && !text::trim_view(*found_name).empty() ? found_name : nullptr;
  // The typed name's rows of the range that count; with a city found, the
  // first of them ends the walk.
  const CityNames::Town found = city_names(w).find_town(folded(w, text::trim_view(ward)), range,
                                                        counted_city, st.level_mask > 1, t);
  st.found_town = found.row;
  int hits = found.hits;
  if (hits == 0) {
    w.by_names = false;
    // The candidates: the wards/towns of the rows that count.
    st.cand.clear();
    for (int r = range.first; r <= range.last; ++r) {
      if (counted_city && t.city_name1[r] != *counted_city) continue;
      if (!t.city_name2[r].empty()) {
        st.cand.add(t.city_name2[r], t.city_name1[r], r, kMaxCandidates);
      }
    }
    const int count = std::min(st.cand.cand_count, kMaxCandidates);
    const ApproxResult pick = match_approx(ward, count, st.cand, st.fuzzy, approx_enabled(w));
    if (pick.ok && pick.index >= 1 && pick.index <= w.city_count()) {
      // The picked row is taken as the single hit.
      st.found_town = pick.index;
      ward = t.city_name2[pick.index];
      hits = 1;
    } else if (w.ask_user(kListTown) == Step::kDone) {
      return Step::kDone;
    }
  }

  if (hits == 0) {
    if (nothing_settled) return w.fail_unsettled();
    w.set_record_range(st.found_city, own_block_end(w, st.found_city, w.block_end));
    return Step::kGoOn;
  }
  if (hits > 1) return w.fail_with(kMsgTownAmbiguous);
  if (w.city_pass == 0) st.level_mask += 4;
  w.set_record_range(st.found_town, st.found_town);
  return Step::kGoOn;
}

}  // namespace kovari::resolve
