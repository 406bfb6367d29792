// The decomposition of one free-form address into its levels: normalise, look
// up a building, take the prefecture, the municipal levels and the town area
// with its block numbers, then split a trailing building or room text.
#include <algorithm>
#include <array>
#include <cstring>

#include "decompose/block_numbers.h"
#include "decompose/building.h"
#include "decompose/decompose_steps.h"
#include "decompose/decomposition.h"
#include "decompose/normalize.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

void start(Decomposition& d) {
  d.result_code.clear();
  d.addr_slot = 1;
  DecompositionSlot& slot = d.slot[1];
  // Unrolled into plain stores: the compiler's string instruction for a fill
  // this small costs more than the stores, once per address.
#pragma GCC unroll 32
  for (int& mark : slot.addr_flag) mark = 0;
  for (int k = kPref; k <= kExtraNumber; ++k) slot.addr_part[k].clear();
  slot.addr_part_copy[kChomeNumber].clear();
}

// Copies s to out and returns the end of the copy. Parts are mostly a few
// characters long: up to 8 of them are copied by two fixed-size copies that
// may overlap, which compile to plain loads and stores instead of a library
// call.
char16_t* copy_units(std::u16string_view s, char16_t* out) {
  const std::size_t n = s.size();
  if (n > 8) {
    std::memcpy(out, s.data(), n * sizeof(char16_t));
  } else if (n >= 4) {
    std::memcpy(out, s.data(), 4 * sizeof(char16_t));
    std::memcpy(out + n - 4, s.data() + n - 4, 4 * sizeof(char16_t));
  } else if (n >= 2) {
    std::memcpy(out, s.data(), 2 * sizeof(char16_t));
    std::memcpy(out + n - 2, s.data() + n - 2, 2 * sizeof(char16_t));
  } else if (n == 1) {
    *out = s[0];
  }
  return out + n;
}

// d.work_text becomes the narrow form of d.addr_text without its blanks and
// with the replacement pairs applied, d.addr_text the wide form of that.
void normalize_text(Decomposition& d, const postaldb::PostalTables& tables,
                    const DecomposeOptions& options) {
  std::u16string& narrow = d.work_text;
  const bool replace = !options.normalized;
  // Most addresses hold neither blanks nor kana: both forms come from one pass.
  if (text::to_narrow_and_wide(d.addr_text, narrow, d.wide_text)) {
    d.addr_text.swap(d.wide_text);
    if (!(replace && apply_char_pairs(narrow, tables))) return;
  } else {
    text::to_narrow(d.addr_text, narrow);
    strip_blanks(narrow);
    if (replace) apply_char_pairs(narrow, tables);
  }
  text::to_wide(narrow, d.addr_text);
}

void finish(Decomposition& d, const DecomposeOptions& options) {
  DecompositionSlot& slot = d.slot[1];
  auto& part = slot.addr_part;
  normalize_ke(part[kCity]);
  split_building_tail(d);
  for (int k = kPref; k <= kTownArea; ++k) slot.addr_part_copy[k] = part[k];
  join_trimmed_parts(part, d.result_parts);
  if (options.batch_window_open == 1) {
    for (int k = kPref; k <= kTownArea; ++k) {
      if (slot.part_len[k] == 0) slot.part_len[k] = text::Len(text::to_wide(part[k]));
    }
  }
}

}  // namespace

// Written in place (grown at most once, to what the untrimmed parts need):
// one copy per part, without the capacity checks of nine appends and eight
// push_backs. Empty parts and parts without a blank at either end, nearly all
// of them, skip the trimming loops. The nine steps are unrolled: an empty part
// costs a test and a store.
void join_trimmed_parts(const std::array<std::u16string, kAddrPartCount + 1>& part,
                        std::u16string& joined) {
  std::size_t untrimmed = kAddrPartCount;
  for (int k = kPref; k <= kExtraNumber; ++k) untrimmed += part[k].size();
  joined.resize(untrimmed);
  char16_t* out = joined.data();
#pragma GCC unroll 9
  for (int k = kPref; k <= kExtraNumber; ++k) {
    std::u16string_view p = part[k];
    if (!p.empty()) {
      if (p.front() == u' ' || p.back() == u' ') p = text::trim_view(p);
      out = copy_units(p, out);
    }
    *out++ = u',';
  }
  joined.resize(static_cast<std::size_t>(out - joined.data()) - 1);  // without the last ","
}

void decompose_address(Decomposition& d, const postaldb::PostalTables& tables,
                       const DecomposeOptions& options) {
  start(d);
  std::u16string& narrow = d.work_text;
  normalize_text(d, tables, options);

  find_building(narrow, d, tables, options);
  if (d.decomp_status == DecompStatus::kBuilding) return;

  std::u16string_view w = narrow;  // what is left after the levels taken so far
  const MarkerPositions markers(narrow);

  take_prefecture(w, markers, d);
  Marks& P = d.slot[1].addr_flag;
  find_municipal_markers(w, markers, d.slot[1].addr_part[kPref], P, tables);
  apply_marker_rules(w, P);
  cut_municipal_levels(w, d, tables);
  if (!w.empty()) decompose_town_area(w, markers, d, tables);
  finish(d, options);
}

}  // namespace kovari::decompose
