// The working values of one resolution, shared by its stages: the level walk
// (prefecture, city, ward/town), the town-area preparation and the record scan.
#pragma once

#include <algorithm>
#include <string>

#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "resolve/level_rules.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

// Whether resolution goes on to the next stage or has ended.
enum class Step { kGoOn, kDone };

// The city group of 京都市, whose town areas carry street directions.
inline constexpr int kKyotoGroup = 7;

// Messages of the unsettled levels.
inline constexpr std::u16string_view kMsgNothingGiven =
    u"都道府県名、区市郡島名、区町村名のすべてを省略できません。";
inline constexpr std::u16string_view kMsgTownAmbiguous =
    u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。";
inline constexpr std::u16string_view kMsgMunicipalityOpen =
    u"区町村名が省略されたため区町村名を特定できません。";

struct ResolveWalk {
  ResolveState& st;
  decompose::Decomposition& d;
  const ResolveContext& ctx;
  const postaldb::PostalTables& t;
  int city_pass = 0;  // 1 after an approximate city pick
  int block_end = 0;  // last row of the found city's block
  int kyoto_mode = 0;
  // The city and ward/town were found by their names alone: no list was
  // made of the rows, nothing was picked approximately.
  bool by_names = true;
  // Where the normalised address goes on after the levels as typed.
  std::size_t town_text_at = 0;

  std::u16string& part(decompose::AddrPart k) { return d.slot[1].addr_part[k]; }
  decompose::DecompositionSlot& slot() { return d.slot[1]; }
  // Rows 1..city_count() exist in every column of the city table.
  int city_count() const { return city_row_count(t); }
  int pref_count() const { return static_cast<int>(t.pref_name.size()) - 1; }

  // A message the level walk ends with; in window mode the focus goes back
  // to the address box.
  Step fail_with(std::u16string_view msg);
  // Ends an address whose levels settled nothing with the message that says
  // why: that every level was left out only when none was typed, else the
  // first typed level that was not found.
  Step fail_unsettled();
  // The selection list of a level (window mode only; other modes go on).
  Step ask_user(int list_kind);
  // Record ranges of the main and detail files for city rows r .. e.
  void set_record_range(int r, int e);
};

Step resolve_prefecture(ResolveWalk& w);
// Ends with w.st.found_city and w.block_end set, or with no city. Sets
// `municipality_settled` when a city without wards settles the municipality.
Step resolve_city(ResolveWalk& w, bool& municipality_settled);
Step resolve_ward_town(ResolveWalk& w);

// The town-area scan of the municipality's records and the decision after it.
void scan_town_records(ResolveWalk& w);

}  // namespace kovari::resolve
