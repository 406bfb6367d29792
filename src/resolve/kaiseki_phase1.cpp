// Address resolution, top to bottom: the batch pre-step, the levels, the
// town-area preparation, the detail pass, the single-code municipality and
// the town-area scan.
#include "resolve/kaiseki_phase1.h"

#include <algorithm>

#include "resolve/detail_pass.h"
#include "resolve/old_code.h"
#include "resolve/resolve_walk.h"
#include "resolve/town_area_form.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

// What a level the resolution could not settle is called; the selection
// list's prompt asks to choose it.
constexpr std::u16string_view kLevelUnknown[] = {
    u"",
    u"都道府県名を特定できません。",
    u"市区郡島名を特定できません。",
    u"区町村名を特定できません。",
    u"町域名を特定できません。",
};
constexpr std::u16string_view kChoose = u"選択して下さい。";

// Whether `s` begins with `head`, unit by unit (the library's compare of
// char16_t texts tests each unit twice, for their order).
bool begins_with(std::u16string_view s, std::u16string_view head) {
  return s.size() >= head.size() && std::equal(head.begin(), head.end(), s.begin());
}

// Puts the levels in the form of the tables (wide), for the batch pre-step
// too, and returns where the normalised address goes on after the levels as
// decomposition cut them (a level completed by decomposition does not stand
// in the text).
std::size_t widen_levels(ResolveWalk& w) {
  std::u16string_view rest = w.d.addr_text;
  std::u16string& room = w.ctx.caches.scratch.wide;
  for (decompose::AddrPart k : {decompose::kPref, decompose::kCity, decompose::kWardTown}) {
    std::u16string& part = w.part(k);
    const std::u16string_view cut = text::trim_view(w.slot().addr_part_copy[k]);
    // A level as cut that stands in the normalised (wide) text is wide
    // already, as every piece of a wide text is.
    if (cut.size() == part.size() && begins_with(cut, part) && begins_with(rest, part)) {
      rest.remove_prefix(part.size());
      continue;
    }
    text::to_wide(part, room);
    part.swap(room);  // the room now holds the level as cut
    std::u16string_view typed = part;
    if (cut.size() != room.size() || !begins_with(room, cut)) {
      text::to_wide(cut, room);
      typed = room;
    }
    if (!typed.empty() && begins_with(rest, typed)) rest.remove_prefix(typed.size());
  }
  return w.d.addr_text.size() - rest.size();
}

// The parts joined again once the town area is prepared: decomposition's join
// stands while the levels and the town area are the texts it cut (nearly
// always; the parts after them never change).
void join_parts_again(const decompose::Decomposition& d, std::u16string& joined) {
  const decompose::DecompositionSlot& slot = d.slot[1];
  for (int k = decompose::kPref; k <= decompose::kTownArea; ++k) {
    const std::u16string& part = slot.addr_part[k];
    const std::u16string& cut = slot.addr_part_copy[k];
    if (part.size() != cut.size() || !begins_with(part, cut)) {
      return decompose::join_trimmed_parts(slot.addr_part, joined);
    }
  }
  joined = d.result_parts;
}

void prepare_town_area(ResolveWalk& w) {
  ResolveState& st = w.st;
  const auto& kyoto = w.t.city_group[kKyotoGroup];
  w.kyoto_mode =
      st.found_city != 0 && st.found_city >= kyoto[1] && st.found_city <= kyoto[2] ? 1 : 0;
  st.typed_town_at = w.town_text_at;
  std::u16string& area = w.part(decompose::kTownArea);
  // A town area that stands in the normalised text is wide and trimmed.
  if (begins_with(std::u16string_view(w.d.addr_text).substr(w.town_text_at), area)) {
    prepare_wide_town_area(area, w.slot(), w.kyoto_mode, w.t);
  } else {
    prepare_slot_town_area(w.slot(), w.kyoto_mode, w.t, w.ctx.caches.scratch.wide);
  }
  join_parts_again(w.d, st.result_parts);
  if (w.ctx.settings.flag(settings::Flag::kMonitor) == 1) w.ctx.host.do_events();
}

// The municipality's only code, when its row says it has one.
bool single_code_municipality(ResolveWalk& w) {
  ResolveState& st = w.st;
  const int row = st.found_town;
  if (row == 0 || row >= static_cast<int>(w.t.city_kind.size()) || w.t.city_kind[row] != 1) {
    return false;
  }
  postaldb::Cursor c = w.ctx.db.main_file.at(st.town_first);
  const std::string code = c.read_code();
  if (c.failed()) return false;
  st.result_code.assign(code.begin(), code.end());
  return true;
}

// The city and ward/town walks, or what they settled for the last address
// when it typed the same names (the batch's old code may change a walk: its
// walks are not kept).
Step resolve_municipality(ResolveWalk& w) {
  ResolveState& st = w.st;
  const LevelNames names{st.found_pref, st.level_mask, w.part(decompose::kCity),
                         w.part(decompose::kWardTown)};
  LastLevels& last = w.ctx.caches.last_levels;
  const bool kept = !w.ctx.running.is_set(ConversionWindow::kBatchAddressToCode);
  if (const SettledLevels* settled = kept ? last.find(names) : nullptr) {
    st.found_city = settled->found_city;
    st.found_town = settled->found_town;
    st.level_mask = settled->level_mask;
    st.town_first = settled->town_first;
    st.town_last = settled->town_last;
    st.detail_first = settled->detail_first;
    st.detail_last = settled->detail_last;
    return Step::kGoOn;
  }
  bool municipality_settled = false;
  if (resolve_city(w, municipality_settled) == Step::kDone) return Step::kDone;
  if (!municipality_settled && resolve_ward_town(w) == Step::kDone) return Step::kDone;
  if (kept && w.by_names) {
    last.keep(names, {st.found_city, st.found_town, st.level_mask, st.town_first, st.town_last,
                      st.detail_first, st.detail_last});
  }
  return Step::kGoOn;
}

void run(ResolveWalk& w) {
  ResolveState& st = w.st;
  decompose::Decomposition& d = w.d;
  w.town_text_at = widen_levels(w);
  if (w.ctx.running.is_set(ConversionWindow::kBatchAddressToCode) &&
      !complete_from_old_code(d.slot[1], w.ctx.db, w.ctx.old_code, w.ctx.use_old_code)) {
    // Its ward is one that several cities share.
    st.result_msg = kMsgTownAmbiguous;
    return;
  }
  st.level_mask = 0;
  st.found_pref = 0;
  st.found_city = 0;
  st.found_town = 0;

  if (resolve_prefecture(w) == Step::kDone) return;
  if (resolve_municipality(w) == Step::kDone) return;

  prepare_town_area(w);
  if (w.ctx.settings.flag(settings::Flag::kDetailPass) == 1 && st.detail_first < st.detail_last) {
    st.result_code.clear();
    match_detail_records(st, d, w.ctx);
    d.addr_slot = 1;
    if (!st.result_code.empty()) return;
  }
  d.addr_slot = 1;
  if (single_code_municipality(w)) return;
  scan_town_records(w);
}

}  // namespace

std::u16string_view level_unknown(int list_kind) {
  return list_kind >= kListPref && list_kind <= kListArea ? kLevelUnknown[list_kind]
                                                          : kLevelUnknown[kListNone];
}

std::u16string list_prompt(int list_kind) {
  std::u16string prompt(level_unknown(list_kind));
  if (!prompt.empty()) prompt += kChoose;
  return prompt;
}

void kaiseki_phase1(ResolveState& st, decompose::Decomposition& d, const ResolveContext& ctx) {
  if (d.decomp_status == decompose::DecompStatus::kBuilding) {
    st.result_code = d.result_code;
    return;
  }
  st.cand.stored_for_reading =
      ctx.mode == CallerMode::kWindow || ctx.settings.flag(settings::Flag::kApproximate) != 0;
  const postaldb::PostalTables& t = ctx.db.tables;
  ResolveWalk w{st, d, ctx, t};
  st.result_parts.clear();
  run(w);
  // The parts as decomposition left them, unless the town area was prepared
  // (which joins them again).
  if (st.result_parts.empty()) st.result_parts = d.result_parts;
}

}  // namespace kovari::resolve
