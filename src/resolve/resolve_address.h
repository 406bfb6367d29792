// An address text to its code: decomposition and resolution (kaiseki_phase1)
// of the address as written, then, only where they find nothing or only the
// municipality's catch-all code, the approximate rules (approx_rules.h) in
// their order.
#pragma once

#include <string_view>

#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// One text decomposed and resolved.
struct Attempt {
  decompose::Decomposition d;
  ResolveState st;
  unsigned rules = 0;  // the ApproxRule bits of the rules that wrote the text
};

// The level an approximate rule completed (approx_rules.h).
struct LevelCompletion {
  Attempt attempt;
  bool several = false;  // several places hold the town area: attempt lists them
};

// A code that settles the address: neither none nor the catch-all.
inline bool settled(const ResolveState& st) {
  return !st.result_code.empty() && st.code_from != CodeFrom::kCatchAll;
}
inline bool settled(const Attempt& a) { return settled(a.st); }

// A code of a record that names the town area.
inline bool named(const Attempt& a) {
  return !a.st.result_code.empty() && a.st.code_from == CodeFrom::kRecord;
}

// Decomposes and resolves `text` for ctx's caller (the batch first writes a
// 条 number in kanji). A `normalized` text is an address text rewritten from
// a decomposition's: the replacement pairs are not applied to it again.
Attempt resolve_text(std::u16string_view text, const ResolveContext& ctx, bool normalized = false);

// resolve_text, then the approximate rules while nothing settles the address.
// The answer is written into `d` and `st`, the caller's (st is reset first), so
// that the common case (the address as written settles) never moves them and
// a caller that keeps them for the next address keeps their room. Returns the
// ApproxRule bits of the rules that wrote the answer's text.
unsigned resolve_address(std::u16string_view text, const ResolveContext& ctx,
                         decompose::Decomposition& d, ResolveState& st);

}  // namespace kovari::resolve
