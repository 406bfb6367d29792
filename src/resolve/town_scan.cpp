// The town-area scan: the municipality's records are compared with the town
// area (exact, 丁目 key, 地割 range, prefix), records with bracketed conditions
// are collected for the refinement, and the decision picks the code.
#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "resolve/level_rules.h"
#include "resolve/match_approx.h"
#include "resolve/name_form.h"
#include "resolve/refine.h"
#include "resolve/resolve_walk.h"
#include "resolve/town_records.h"
#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kTownArea, decompose::kChomeNumber, decompose::kBuilding;
namespace {

using text::InStr;
using text::Trim;

// Its conditions must never be read as a partial match.
constexpr std::u16string_view kShibaKoen = u"芝公園";

struct ScanOutcome {
  bool found = false;
  bool partial = false;
  // Codes of the run's records (a run never changes once read).
  std::u16string_view below_code, next_code, prefix_code;
  // The record whose whole name begins the typed town text and is longer
  // than the town area: a name whose number or marker decomposition cut off
  // (第１０町内, 穴明２２地割、穴明２３地割, 西新屋敷揚屋町).
  std::u16string_view whole_code;
  std::size_t whole_len = 0;
  // The longest name the town area begins with (学校町通 for 学校町通１番町).
  std::u16string_view longest_prefix_code;
  std::size_t longest_prefix_len = 0;
};

class RecordScan {
 public:
  explicit RecordScan(ResolveWalk& w)
      : w_(w),
        st_(w.st),
        slot_(w.slot()),
        area_(w.part(kTownArea)),
        area_fold_(comparison_view(area_, w.ctx.caches.scratch.area_fold)) {
    // The key of the folded town area is folded: the kanji numerals and 丁目
    // have no other form.
    std::u16string& key = w.ctx.caches.scratch.chome_key;
    chome_key(area_fold_, slot_.addr_part[kChomeNumber], w.t, key);
    chome_key_ = key;
  }

  ScanOutcome run() {
    st_.part_match.clear();
    const int row = st_.found_city != 0 ? st_.found_city : st_.found_town;
    minato_mode_ = row != 0 && row == w_.t.city_group[postaldb::kMinatoGroup][1];
    const TownRun& records =
        w_.ctx.town_cache.run(w_.ctx.db.main_file, w_.t, st_.town_first, st_.town_last);
    // A Kyoto town name holding a marker word (西新屋敷上之町, 三本木五丁目)
    // is cut as if it were a direction: a record with the whole name wins.
    const bool kyoto_cut = w_.kyoto_mode == 1 && !slot_.kyoto_direction.empty();
    bool decided = false;
    // A typed building compares the bracketed records otherwise (collect_partial).
    const bool building = slot_.building_found == 1 || slot_.building_split == 1;
    std::size_t scanned = kyoto_cut || building ? 0 : records.scan_start(area_fold_, chome_key_);
    for (const TownRecord& rec : std::span(records.records).subspan(scanned)) {
      ++scanned;
      note_whole_name(rec);
      if (kyoto_cut && whole_name_typed(rec)) break;
      if (decided) continue;
      decided = exact_only_ ? examine_exact_only(rec) : examine(rec);
      if (decided && !kyoto_cut) break;
    }
    // The candidates of the town-area level: every record scanned.
    st_.cand.clear();
    if (!out_.found && !out_.partial && st_.cand.stored_for_reading) {
      for (std::size_t i = 0; i < scanned; ++i) {
        const TownRecord& rec = records.records[i];
        st_.cand.add(Trim(text::Mid(rec.name(), 2)), u"", rec.code_value, kMaxCandidates);
      }
    } else {
      st_.cand.cand_count = static_cast<int>(scanned);
    }
    return std::move(out_);
  }

 private:
  // True when the record ends the scan.
  bool examine(const TownRecord& rec) {
    if (out_.below_code.empty() && rec.has_below) out_.below_code = rec.code();
    if (out_.next_code.empty() && rec.has_next) out_.next_code = rec.code();
    if (!rec.chiwari_name().empty() && chiwari_in_range(rec.chiwari_name(), slot_)) {
      return settle(rec.code());
    }
    if (rec.bracketed) collect_partial(rec);

    if (rec.has_chome) {
      if (rec.base_fold() == chome_key_) {
        // As good as the exact name: no condition of a partial match decides.
        if (!rec.bracketed) out_.partial = false;
        return settle(rec.code());
      }
      // The partial matches are complete here; only an exact name further
      // on may still decide.
      if (out_.partial) {
        exact_only_ = true;
        return examine_exact_only(rec);
      }
    }
    if (same_name(rec)) {
      st_.result_code = rec.code();
      out_.found = true;
      if (w_.kyoto_mode == 1) return !out_.partial;
      if (!rec.bracketed || !out_.partial) {
        out_.partial = false;
        return true;
      }
      if (!st_.part_match.part_match_kind.empty()) st_.part_match.part_match_kind.back() = '2';
      st_.part_match.part_match_seen = 1;
      return false;
    }
    if (!rec.bracketed && !rec.base_fold().empty() && area_fold_.starts_with(rec.base_fold())) {
      if (w_.kyoto_mode != 1 && out_.prefix_code.empty()) out_.prefix_code = rec.code();
      if (rec.base_fold().size() > out_.longest_prefix_len) {
        out_.longest_prefix_code = rec.code();
        out_.longest_prefix_len = rec.base_fold().size();
      }
    }
    return false;
  }

  bool examine_exact_only(const TownRecord& rec) {
    if (rec.bracketed) return false;
    if (!same_name(rec) && !(rec.has_chome && rec.base_fold() == chome_key_)) return false;
    out_.partial = false;
    return settle(rec.code());
  }

  bool whole_name_typed(const TownRecord& rec) {
    if (rec.bracketed || rec.whole_fold() != typed_fold()) return false;
    out_.partial = false;
    return settle(rec.code());
  }

  // The address from the town area on, folded when first compared: most
  // scans end before a record asks for it.
  std::u16string_view typed_fold() {
    if (!typed_fold_) {
      const std::u16string_view typed =
          std::u16string_view(w_.d.addr_text).substr(st_.typed_town_at);
      typed_fold_ = comparison_view(typed, w_.ctx.caches.scratch.typed_fold);
    }
    return *typed_fold_;
  }

  // The record's name is the town area, its numbers in kanji or as stored.
  bool same_name(const TownRecord& rec) const { return rec.names(area_fold_); }

  void note_whole_name(const TownRecord& rec) {
    if (rec.bracketed || rec.whole().size() <= area_.size() ||
        rec.whole().size() <= out_.whole_len || !typed_fold().starts_with(rec.whole_fold())) {
      return;
    }
    out_.whole_code = rec.code();
    out_.whole_len = rec.whole().size();
  }

  bool settle(std::u16string_view code) {
    st_.result_code = code;
    out_.found = true;
    return true;
  }

  void collect_partial(const TownRecord& rec) {
    char kind = 0;
    if (slot_.building_found == 1 || slot_.building_split == 1) {
      if (!area_with_building_) {
        area_with_building_ = text::to_narrow(Trim(area_) + Trim(slot_.addr_part[kBuilding]));
      }
      if (area_with_building_->starts_with(text::to_narrow(rec.base()))) {
        kind = '1';
        st_.part_match.part_match_seen = 1;
      }
    } else if (minato_mode_ ? area_fold_ == rec.base_fold()
                            : area_fold_.starts_with(rec.base_fold())) {
      kind = '0';
    }
    if (kind == 0) return;
    out_.partial = true;
    PartialMatches& pm = st_.part_match;
    if (++pm.part_match_count > kMaxPartMatches) return;
    pm.part_match_name.emplace_back(rec.base());
    pm.part_match_paren.emplace_back(rec.paren());
    pm.part_match_code.emplace_back(rec.code().begin(), rec.code().end());
    pm.part_match_kind.push_back(kind);
  }

  ResolveWalk& w_;
  ResolveState& st_;
  decompose::DecompositionSlot& slot_;
  const std::u16string& area_;
  // Views of the texts they fold, or of the resolution's scratch buffers.
  const std::u16string_view area_fold_;
  std::optional<std::u16string_view> typed_fold_;
  std::u16string_view chome_key_;
  // The town area and the building typed, narrow; made when first compared.
  std::optional<std::u16string> area_with_building_;
  bool minato_mode_ = false;
  bool exact_only_ = false;
  ScanOutcome out_;
};

}  // namespace

void scan_town_records(ResolveWalk& w) {
  ResolveState& st = w.st;
  if (st.found_city == 0 && st.found_town != 0) {
    const auto& kyoto = w.t.city_group[kKyotoGroup];
    w.kyoto_mode = st.found_town >= kyoto[1] && st.found_town <= kyoto[2] ? 1 : 0;
  }
  ScanOutcome out = RecordScan(w).run();
  const std::u16string& area = w.part(kTownArea);

  if (area != kShibaKoen && out.partial) {
    if (refine_partial_matches(w.kyoto_mode, st, w.d, w.t)) return;
    if (w.slot().building_split == 0) {
      out.found = false;
      st.result_code.clear();
    }
  }
  if (!out.found && st.result_code.empty() && !out.whole_code.empty()) {
    st.result_code = out.whole_code;
    return;
  }
  if (area.empty() && !out.next_code.empty() && st.result_code.empty()) {
    st.result_code = out.next_code;
    return;
  }
  if (!out.found && out.partial && !out.prefix_code.empty()) {
    st.result_code = out.prefix_code;
    return;
  }
  if (st.level_mask >= 4 && !out.partial && !out.found) {
    const int count = std::min(st.cand.cand_count, kMaxCandidates);
    const ApproxResult pick = match_approx(area, count, st.cand, st.fuzzy,
                                           w.ctx.settings.flag(settings::Flag::kApproximate));
    if (pick.ok) {
      st.result_code = text::Format(static_cast<double>(pick.index), u"0000000");
      out.found = true;
    } else if (w.ask_user(kListArea) == Step::kDone) {
      return;
    }
  }
  // Nothing else fits: the longest known name the town area begins with.
  if (!out.found && !out.partial && st.result_code.empty() && !out.longest_prefix_code.empty()) {
    st.result_code = out.longest_prefix_code;
    st.code_from = CodeFrom::kLongestPrefix;
    return;
  }
  if (st.level_mask >= 4) {
    if (!out.found) {
      st.result_code = out.below_code;
      st.code_from = CodeFrom::kCatchAll;
    }
    return;
  }
  if (!out.found) w.fail_with(kMsgMunicipalityOpen);
}

}  // namespace kovari::resolve
