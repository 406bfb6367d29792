// The town-area scan: the municipality's records are compared with the town
// area (exact, 丁目 key, 地割 range, prefix), records with bracketed conditions
// are collected for the refinement, and the decision picks the code.
#include <algorithm>
#include <string>

#include "decompose/normalize.h"
#include "resolve/level_rules.h"
#include "resolve/match_approx.h"
#include "resolve/refine.h"
#include "resolve/resolve_walk.h"
#include "resolve/town_records.h"
#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

using text::InStr;
using text::Trim;

// Its conditions must never be read as a partial match.
constexpr std::u16string_view kShibaKoen = u"芝公園";

bool begins_with(std::u16string_view s, std::u16string_view head) {
  return s.substr(0, head.size()) == head;
}

bool any_running(const ResolveContext& ctx) {
  return std::any_of(ctx.running.begin() + 1, ctx.running.end(), [](int f) { return f != 0; });
}

struct ScanOutcome {
  bool found = false;
  bool partial = false;
  std::u16string below_code, next_code, prefix_code;
};

// One record, split into its base name and bracketed condition.
struct RecordName {
  std::u16string base;
  std::u16string paren;
  bool bracketed = false;
};

RecordName split_record_name(const TownRecord& rec) {
  RecordName n;
  n.base = text::Mid(rec.name, 2);
  const int open = rec.word % 32;
  const int close = (rec.word / 32) % 512;
  if (open != 0) {
    n.bracketed = true;
    n.paren = text::Right(n.base, close - open + 1);
    n.base = text::Left(n.base, open - 1);
  }
  return n;
}

class RecordScan {
 public:
  explicit RecordScan(ResolveWalk& w) : w_(w), st_(w.st), slot_(w.slot()), area_(w.part(4)) {}

  ScanOutcome run() {
    st_.part_match.clear();
    st_.cand.clear();
    const int row = st_.found_city != 0 ? st_.found_city : st_.found_town;
    minato_mode_ = row != 0 && row == w_.t.city_group[postaldb::kMinatoGroup][1];
    TownRecordReader reader(st_.town_cache, w_.ctx.db.main_file, st_.town_first, st_.town_last,
                            any_running(w_.ctx));
    while (const TownRecord* rec = reader.next()) {
      if (examine(*rec)) break;
    }
    return std::move(out_);
  }

 private:
  // True when the record ends the scan.
  bool examine(const TownRecord& rec) {
    const std::u16string code(rec.code.begin(), rec.code.end());
    RecordName n = split_record_name(rec);
    if (out_.below_code.empty() && InStr(rec.name, u"以下に") != 0) out_.below_code = code;
    if (out_.next_code.empty() && InStr(rec.name, u"次に") != 0) out_.next_code = code;
    st_.cand.add(Trim(text::Mid(rec.name, 2)), u"", static_cast<std::int32_t>(text::Val(code)),
                 kMaxCandidates);

    decompose::normalize_ke(n.base);
    if (chiwari_in_range(n.base, slot_)) return settle(code);
    if (InStr(n.base, u"条") != 0 || InStr(n.base, u"線") != 0) {
      int added = 0;
      decompose::jo_sen_to_kanji(n.base, w_.t, added);
    }
    const std::u16string base = Trim(n.base);
    if (n.bracketed) collect_partial(base, n.paren, code);

    if (InStr(base, u"丁目") != 0) {
      if (base == chome_key(area_, slot_.addr_part[5], w_.t)) return settle(code);
      if (out_.partial) return true;
    }
    if (base == area_) {
      st_.result_code = code;
      out_.found = true;
      if (w_.kyoto_mode == 1) return !out_.partial;
      if (!n.bracketed || !out_.partial) {
        out_.partial = false;
        return true;
      }
      if (!st_.part_match.part_match_kind.empty()) st_.part_match.part_match_kind.back() = '2';
      st_.part_match.part_match_seen = 1;
      return false;
    }
    if (w_.kyoto_mode != 1 && !n.bracketed && out_.prefix_code.empty() &&
        begins_with(area_, base)) {
      out_.prefix_code = code;
    }
    return false;
  }

  bool settle(const std::u16string& code) {
    st_.result_code = code;
    out_.found = true;
    return true;
  }

  void collect_partial(const std::u16string& base, const std::u16string& paren,
                       const std::u16string& code) {
    char kind = 0;
    if (slot_.building_found == 1 || slot_.building_split == 1) {
      const std::u16string typed = text::to_narrow(Trim(area_) + Trim(slot_.addr_part[8]));
      if (begins_with(typed, text::to_narrow(base))) {
        kind = '1';
        st_.part_match.part_match_seen = 1;
      }
    } else if (minato_mode_ ? area_ == base : begins_with(area_, base)) {
      kind = '0';
    }
    if (kind == 0) return;
    out_.partial = true;
    PartialMatches& pm = st_.part_match;
    if (++pm.part_match_count > kMaxPartMatches) return;
    pm.part_match_name.push_back(base);
    pm.part_match_paren.push_back(Trim(paren));
    pm.part_match_code.emplace_back(code.begin(), code.end());
    pm.part_match_kind.push_back(kind);
  }

  ResolveWalk& w_;
  ResolveState& st_;
  decompose::DecompositionSlot& slot_;
  const std::u16string& area_;
  bool minato_mode_ = false;
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
  const std::u16string& area = w.part(4);

  if (area != kShibaKoen && out.partial) {
    if (refine_partial_matches(w.kyoto_mode, st, w.d, w.t) == "ok") return;
    if (w.slot().building_split == 0) {
      out.found = false;
      st.result_code.clear();
    }
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
    const ApproxResult pick = match_approx(area, count, st.cand, st.fuzzy, w.ctx.ctl_flg[4]);
    if (pick.ok) {
      st.result_code = text::Format(static_cast<double>(pick.index), u"0000000");
      out.found = true;
    } else if (w.ask_user(kListArea) == Step::kDone) {
      return;
    }
  }
  if (st.level_mask >= 4) {
    if (!out.found) st.result_code = out.below_code;
    return;
  }
  if (!out.found) w.fail_with(kMsgMunicipalityOpen);
}

}  // namespace kovari::resolve
