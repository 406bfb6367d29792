#include "resolve/match_approx.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/vb.h"

namespace kovari::resolve {
namespace {

using text::InStr;
using text::Len;

// Characters of `typed` found in `name` in order, each search starting just
// past the previous hit.
int ordered_hits(std::u16string_view typed, std::u16string_view name) {
  const int c = Len(name);
  int cursor = 1;
  int hits = 0;
  for (char16_t ch : typed) {
    if (cursor > c) break;
    const int pos = InStr(cursor, name, std::u16string_view(&ch, 1));
    if (pos != 0) {
      ++hits;
      cursor = pos + 1;
    }
  }
  return hits;
}

// The candidate name less its first 町 (a town typed without it), else the
// trimmed name.
std::u16string without_first_machi(std::u16string_view raw) {
  const int p = InStr(raw, u"町");
  if (p == 0) return text::Trim(raw);
  return text::Trim(std::u16string(raw.substr(0, p - 1)) + std::u16string(raw.substr(p)));
}

struct Entry {
  std::u16string_view name;  // trimmed
  std::int32_t value;
};

ApproxResult pick_from_shortlist(const std::vector<Entry>& shortlist, int typed_len) {
  if (shortlist.empty()) return {};
  if (shortlist.size() == 1) return {true, shortlist.front().value};
  int best_distance = 9999;
  std::int32_t best = 0;
  for (const Entry& e : shortlist) {
    const int distance = std::abs(Len(e.name) - typed_len);
    if (distance < best_distance) {
      best_distance = distance;
      best = e.value;
    }
  }
  return {true, best};
}

}  // namespace

ApproxResult match_approx(std::u16string_view typed_raw, int count, const CandidateList& cand,
                          FuzzyHits& fuzzy, int enabled) {
  fuzzy.clear();
  if (enabled == 0 || typed_raw.empty()) return {};
  const std::u16string_view typed = text::trim_view(typed_raw);
  const int L = Len(typed_raw);
  count = std::clamp(count, 0, cand.stored());

  // Similarity stage.
  int hit_count = 0;
  for (int i = 0; i < count; ++i) {
    const std::u16string_view raw = cand.cand_name[i];
    const std::u16string_view name = text::trim_view(raw);
    const int c = Len(name);
    bool similar = false;
    if (std::abs(L - c) <= 2) {
      const int hits = ordered_hits(typed, name);
      similar = std::abs(L - hits) <= 1 || (hits == c && c > 1);
    }
    if (!similar) {
      const std::u16string rest = without_first_machi(raw);
      similar = !rest.empty() && typed.starts_with(rest);
    }
    if (!similar) continue;
    ++hit_count;
    if (static_cast<int>(fuzzy.fuzzy_name.size()) < kMaxFuzzyHits) {
      fuzzy.fuzzy_name1.push_back(cand.cand_name1[i]);
      fuzzy.fuzzy_name.push_back(cand.cand_name[i]);
      fuzzy.fuzzy_index.push_back(cand.cand_index[i]);
    }
  }
  fuzzy.fuzzy_count = std::min(hit_count, kMaxFuzzyHits);
  if (fuzzy.fuzzy_count == 1) return {true, fuzzy.fuzzy_index.front()};

  // Prefix stage.
  std::vector<Entry> shortlist;
  auto offer = [&](std::u16string_view raw, std::int32_t value, bool either_way) {
    const std::u16string_view name = text::trim_view(raw);
    if (name.empty() || static_cast<int>(shortlist.size()) >= kMaxCandidates) return;
    if (typed.starts_with(name) || (either_way && name.starts_with(typed))) {
      shortlist.push_back({name, value});
    }
  };
  if (fuzzy.fuzzy_count == 0) {
    for (int i = 0; i < count; ++i) offer(cand.cand_name[i], cand.cand_index[i], false);
  } else {
    for (int i = 0; i < fuzzy.fuzzy_count; ++i) {
      offer(fuzzy.fuzzy_name[i], fuzzy.fuzzy_index[i], true);
    }
  }
  return pick_from_shortlist(shortlist, L);
}

}  // namespace kovari::resolve
