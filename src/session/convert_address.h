// Address to postal code, for every caller: the address window, the batch
// conversion, the clipboard watcher, kovari-cli and the benchmarks. One call
// decomposes the address, resolves it level by level (with the detail pass
// when the settings ask for it) and hands back what came of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decompose/decomposition.h"
#include "host/caller_mode.h"
#include "host/focus.h"
#include "host/host.h"
#include "session/session.h"

namespace kovari {

// What only the batch conversion hands over.
struct AddressRequest {
  std::u16string_view old_code;  // the record's existing postal code
  bool use_old_code = false;     // complete missing levels from it ("変換に使用する")
};

// One entry of the list a window offers when a level is not settled.
struct AddressChoice {
  std::u16string name;     // the prefecture, city, ward/town or town-area name
  std::u16string name1;    // the city of a ward/town
  std::int32_t index = 0;  // a table row, a prefecture number, or a town area's code
};

struct AddressChoiceList {
  int list_kind = 0;      // resolve::ListKind: 1 prefecture .. 4 town area
  std::u16string prompt;  // "都道府県名を特定できません。選択して下さい。" ...
  std::vector<AddressChoice> choices;
};

// The levels the resolution settled and the record ranges they lead to.
struct FoundLevels {
  int pref = 0;                                    // prefecture number
  int city = 0;                                    // city row
  int town = 0;                                    // ward/town row
  std::int64_t town_first = 0, town_last = 0;      // the municipality's town-area records
  std::int64_t detail_first = 0, detail_last = 0;  // its detail records
};

struct AddressOutcome {
  std::u16string code;     // seven digits, or empty
  bool catch_all = false;  // the code is the municipality's "以下に掲載がない場合"
  std::u16string message;  // why there is no code, or empty
  // The nine trimmed parts joined by ","; empty when a building of the
  // building table decided the code.
  std::u16string parts;
  Focus focus = Focus::kNone;  // window mode: the field to return to
  // Window mode: the level to choose, when resolution could not settle it.
  std::optional<AddressChoiceList> list;
  FoundLevels levels;
  // The address as decomposed (addr_text is its normalised full-width form):
  // as an approximate rule rewrote it, when one did.
  decompose::Decomposition decomposition;
  // The approximate rules that rewrote the address before it was resolved
  // (resolve::ApproxRule bits); 0 when it resolved as written.
  unsigned approximate = 0;
};

// Converts `text`: as written, then, where that finds nothing or only the
// municipality's catch-all code, by the approximate rules
// (resolve/approx_rules.h). The session's remembered choices and caches
// carry over from one call to the next without ever changing a result; the
// host lets window events run when the settings ask the conversion to show
// its progress. A batch caller (kBatchAddress) first writes a 条 number in
// kanji (set_kansuuji).
AddressOutcome convert_address(Session& session, Host& host, std::u16string_view text,
                               CallerMode mode, const AddressRequest& request = {});
// The same into `out`, which a caller that converts one address after another
// keeps: its texts keep their room from one address to the next, and nothing
// else of the last address carries over.
void convert_address(Session& session, Host& host, std::u16string_view text, CallerMode mode,
                     const AddressRequest& request, AddressOutcome& out);

// What resolution carries from one address to the next. Conversions that run
// side by side over one session's data each keep their own, the town-area
// records read included: a job never waits while another reads (jobs given
// the addresses of their own places read each record once).
struct ResolveMemory {
  resolve::RememberedChoices remembered;
  resolve::ResolveCaches caches;
  resolve::TownCache town_cache;
};

// The same over the session's data and settings, read only, with `memory` in
// place of the session's own remembered choices, caches and town-area records.
AddressOutcome convert_address(const Session& session, ResolveMemory& memory, Host& host,
                               std::u16string_view text, CallerMode mode,
                               const AddressRequest& request = {});
void convert_address(const Session& session, ResolveMemory& memory, Host& host,
                     std::u16string_view text, CallerMode mode, const AddressRequest& request,
                     AddressOutcome& out);

}  // namespace kovari
