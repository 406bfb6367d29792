// A level left out that several places could fill (the city of a ward, the
// prefecture of a city): the place whose records hold the typed town area.
#include "decompose/decomposition.h"
#include "resolve/approx_rules.h"
#include "resolve/resolve_address.h"
#include "text/vb.h"

namespace kovari::resolve {

std::optional<LevelCompletion> completion_holding_town_area(
    const Attempt& base, const std::vector<LevelCandidate>& candidates, const ResolveContext& ctx,
    const Unsettled& unsettled) {
  // Without a town area there is nothing to hold.
  if (text::trim_view(base.d.slot[1].addr_part[decompose::kTownArea]).empty()) return std::nullopt;
  std::vector<const LevelCandidate*> fitting;
  std::optional<Attempt> fit;
  for (const LevelCandidate& candidate : candidates) {
    Attempt a = resolve_text(candidate.text, ctx, true);
    if (!named(a)) continue;  // a catch-all, or a name that only begins the town area
    fitting.push_back(&candidate);
    fit = std::move(a);
  }
  if (fitting.empty()) return std::nullopt;
  if (fitting.size() == 1) return LevelCompletion{std::move(*fit)};

  // Several hold it: the window offers them, the other callers get the message.
  Attempt several;
  several.d = base.d;
  several.st.result_parts = base.st.result_parts;
  if (ctx.mode != CallerMode::kWindow) {
    several.st.result_msg = unsettled.message;
  } else {
    several.st.list_kind = unsettled.list_kind;
    for (const LevelCandidate* c : fitting) {
      several.st.cand.add(c->name, c->name1, c->index, kMaxCandidates);
    }
  }
  return LevelCompletion{std::move(several), true};
}

}  // namespace kovari::resolve
