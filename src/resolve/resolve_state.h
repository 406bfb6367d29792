// What address resolution works with: the working values and result of one
// resolution (ResolveState, made afresh for every address), the choices it
// remembers from one address to the next (RememberedChoices), and the caches
// of what it read from the data (ResolveCaches; the town-area records are kept
// in town_records.h). The session owns the last two; nothing is global.
//
// The lists are 0-based vectors; the counts keep the 1-based meaning of the
// stored data (cand_count may exceed what is stored, as the scan goes on
// counting).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/focus.h"
#include "resolve/city_names.h"
#include "resolve/last_levels.h"
#include "resolve/level_rules.h"

namespace kovari::resolve {

// Upper bounds of the lists.
inline constexpr int kMaxCityBlocks = 100;
inline constexpr int kMaxCandidates = 1000;
inline constexpr int kMaxFuzzyHits = 1000;
inline constexpr int kMaxPartMatches = 100;
inline constexpr int kDetailCacheLimit = 500;
inline constexpr int kDetailCacheKept = 499;

// The selection list's levels (list_kind).
enum ListKind : int { kListNone = 0, kListPref = 1, kListCity = 2, kListTown = 3, kListArea = 4 };

// The candidate list of the level being resolved. cand_index holds a table
// row, a prefecture number, or for town areas the numeric postal code.
struct CandidateList {
  std::vector<std::u16string> cand_name;
  std::vector<std::u16string> cand_name1;  // the city of a ward/town candidate
  std::vector<std::int32_t> cand_index;
  int cand_count = 0;
  // Whether the candidates are stored at all: only the window's selection
  // list and approximate matching read them; without either they are only
  // counted.
  bool stored_for_reading = true;

  void clear() {
    cand_name.clear();
    cand_name1.clear();
    cand_index.clear();
    cand_count = 0;
  }
  // Counts the candidate and stores it while fewer than `limit` are stored.
  void add(std::u16string_view name, std::u16string_view name1, std::int32_t index, int limit) {
    ++cand_count;
    if (!stored_for_reading || static_cast<int>(cand_name.size()) >= limit) return;
    cand_name.emplace_back(name);
    cand_name1.emplace_back(name1);
    cand_index.push_back(index);
  }
  int stored() const { return static_cast<int>(cand_name.size()); }
  bool operator==(const CandidateList&) const = default;
};

// The hit list of approximate matching, read by the selection list.
struct FuzzyHits {
  std::vector<std::u16string> fuzzy_name;
  std::vector<std::u16string> fuzzy_name1;
  std::vector<std::int32_t> fuzzy_index;
  int fuzzy_count = 0;

  void clear() {
    fuzzy_name.clear();
    fuzzy_name1.clear();
    fuzzy_index.clear();
    fuzzy_count = 0;
  }
  bool operator==(const FuzzyHits&) const = default;
};

// One detail record (large-volume office or post-office box) of the detail
// file, the town-area name and street part in narrow form.
struct DetailRecord {
  std::string code;
  std::int32_t location = 0;
  std::int32_t attributes = 0;
  std::u16string office_name;
  std::u16string town_name;
  std::u16string street;
  std::int32_t size = 0;
};

// The last municipality's detail records (kept by the detail pass).
struct DetailCache {
  std::int64_t detail_cache_first = 0;
  std::int64_t detail_cache_last = 0;
  std::vector<DetailRecord> records;  // detail_cache_count = records.size()

  void reset(std::int64_t first) {
    detail_cache_first = first;
    detail_cache_last = 0;
    records.clear();
  }
};

// Records whose base name begins the town area and which carry a bracketed
// condition, for the condition refinement. part_match_count goes on counting
// past the stored entries.
struct PartialMatches {
  std::vector<std::u16string> part_match_name;   // trimmed base name
  std::vector<std::u16string> part_match_paren;  // trimmed bracketed part
  std::vector<std::string> part_match_code;      // seven digits
  std::vector<char> part_match_kind;  // '0' prefix, '1' with building, '2' exact base name
  int part_match_count = 0;
  int part_match_seen = 0;

  void clear() {
    part_match_name.clear();
    part_match_paren.clear();
    part_match_code.clear();
    part_match_kind.clear();
    part_match_count = 0;
    part_match_seen = 0;
  }
  int stored() const { return static_cast<int>(part_match_name.size()); }
  bool operator==(const PartialMatches&) const = default;
};

// The choice of the last prefecture walk, taken again when the next address
// types the same prefecture name (the walk reads that name alone).
struct RememberedChoices {
  std::u16string last_pref_text;
  int last_pref = 0;
};

// Where a code comes from: a record that names the town area (or the
// municipality's only code), the record with the longest name the town area
// begins with (学校町通 for 学校町通１番町), or the municipality's catch-all
// ("以下に掲載がない場合") when no record names it.
enum class CodeFrom { kRecord, kLongestPrefix, kCatchAll };

// The values of one resolution besides its texts and lists: what a fresh
// state holds is given here once, by the initialisers.
struct ResolveValues {
  Focus focus = Focus::kNone;  // the field an unsettled level sends the user back to
  // How the town-area scan came to its code.
  CodeFrom code_from = CodeFrom::kRecord;

  // Levels settled by the resolution.
  int found_pref = 0;
  int found_city = 0;
  int found_town = 0;
  int level_mask = 0;                          // 1 prefecture, 2 city, 4 municipality (first pass)
  std::int64_t town_first = 0, town_last = 0;  // main-file record range
  std::int64_t detail_first = 0, detail_last = 0;  // detail-file record range

  int list_kind = kListNone;  // the level of the selection list (window mode)

  // Where the normalised address goes on from the town area (with whatever
  // decomposition cut off after it); set when the levels led to a
  // municipality's records, else npos.
  std::size_t typed_town_at = std::u16string::npos;

  bool operator==(const ResolveValues&) const = default;
};

// The working values and the result of one resolution.
struct ResolveState : ResolveValues {
  // Outputs, beside focus and code_from.
  std::u16string result_code;   // seven digits, or empty
  std::u16string result_msg;    // message text, or empty
  std::u16string result_parts;  // the nine trimmed parts joined by ","

  // The selection list: the candidates of the level that ended the
  // resolution (window mode), and the hits of approximate matching.
  CandidateList cand;
  FuzzyHits fuzzy;

  // The list handed to the condition refinement.
  PartialMatches part_match;

  // Back to the values of a fresh state, its texts and lists emptied keeping
  // their room: a caller that resolves one address after another keeps one
  // state.
  void reset();
  bool operator==(const ResolveState&) const = default;
};

// Buffers one resolution writes its passing texts into. They keep their room
// from one address to the next and carry nothing else over: each use writes
// them afresh.
struct ResolveScratch {
  std::u16string wide;    // a text in its wide form
  std::u16string folded;  // a typed name with its variant kanji folded
  // The scan's comparison forms of the town area, the address from the town
  // area on and the 丁目 key.
  std::u16string area_fold, typed_fold, chome_key;
  // The state of the last resolution, for a caller that hands its results
  // on by exchanging texts with it (convert_address into a kept outcome).
  ResolveState state;
};

// What resolution keeps of the loaded data: valid until the data is loaded
// again; and its scratch buffers.
struct ResolveCaches {
  ResolveScratch scratch;
  DetailCache detail_cache;
  // City names that occur in more than one block of the city table, derived
  // once from the loaded table.
  NameSet shared_city_names;
  bool shared_names_built = false;
  // Each prefecture name of the table, trimmed and with its variant kanji
  // folded, with the first prefecture of that name; derived once (empty
  // until then).
  std::unordered_map<std::u16string, int> prefecture_by_name;
  // The city table's names for the city and ward/town walks; derived once.
  std::optional<CityNames> city_names;
  // The levels the last address settled by their names.
  LastLevels last_levels;
};

}  // namespace kovari::resolve
