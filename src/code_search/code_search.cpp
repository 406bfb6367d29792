#include "code_search/code_search.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "code_search/code_index.h"
#include "code_search/edit_address.h"
#include "code_search/records.h"
#include "text/vb.h"

namespace kovari::code_search {

namespace {

constexpr std::u16string_view kMsgChoose = u"町域を特定できません。選択して下さい。";
constexpr std::u16string_view kMsgInputError = u"郵便番号の入力エラーです。";
constexpr std::u16string_view kMsgBrokenIndex = u"続行不可能なエラーが発生しました";

// A run walk that meets no record of its code within this many records past
// the found one reports an inconsistent index.
constexpr std::int32_t kMaxRunSearch = 40;

bool detail_search_enabled(const SearchContext& ctx) {
  if (ctx.settings.flag(settings::Flag::kDetailFile) != 1) return false;
  switch (ctx.mode) {
    case CallerMode::kWindow:
      return true;
    case CallerMode::kBatchAddress:
      return false;  // its own window, the batch address-to-code window, is open
    case CallerMode::kBatchCode:
    case CallerMode::kClipboard:
      return !ctx.address_batch_running;
  }
  return false;
}

bool takes_first_of_several(const SearchContext& ctx) {
  return ctx.mode == CallerMode::kBatchCode ||
         (ctx.mode == CallerMode::kClipboard && ctx.options.first_of_several);
}

// Walks the run of equal codes around the found record `mid`, from its first
// record (found through the run ordinal), calling on_record with the record
// offset of each index record whose code is key. False when no record of the
// code turns up before the walk passes mid + kMaxRunSearch.
template <typename OnRecord>
bool walk_run(const CodeIndex& index, const IndexKey& key, std::int32_t mid, OnRecord on_record) {
  const std::int32_t k = index.record(mid).ordinal;
  std::int32_t p = mid > k - 1 ? mid - k + 1 : 1;
  bool matched = false;
  for (;; ++p) {
    if (!matched && p > mid + kMaxRunSearch) return false;
    if (key.order(index, p) != 0) {
      if (matched) return true;
      continue;
    }
    matched = true;
    on_record(index.record(p).offset);
  }
}

void report_broken_index(const SearchContext& ctx, CodeSearchState& state, ConvState batch_state) {
  switch (ctx.mode) {
    case CallerMode::kWindow:
    case CallerMode::kClipboard:
      ctx.host.message_box(kMsgBrokenIndex, u"", MessageIcon::Critical);
      break;
    case CallerMode::kBatchCode:
      state.conv_state = batch_state;
      break;
    case CallerMode::kBatchAddress:
      break;
  }
}

// Reporting an exact lookup with n results.
SearchOutcome report(const SearchContext& ctx, CodeSearchState& state, int n, bool detail) {
  state.res_count[1] = n;
  if (n == 1) {
    state.out_address = state.res_address[1][1];
    if (detail) {
      state.out_pobox = state.res_pobox[1][1];
      state.out_office = state.res_office[1][1];
    }
    return SearchOutcome::Single;
  }
  state.status_msg = kMsgChoose;
  state.out_address.clear();
  if (detail) {
    state.out_pobox.clear();
    state.out_office.clear();
  }
  if (n > 1) {
    if (takes_first_of_several(ctx)) {
      state.out_address = state.res_address[1][1];
      if (detail) {
        state.out_pobox = state.res_pobox[1][1];
        state.out_office = state.res_office[1][1];
      }
    }
    if (ctx.mode == CallerMode::kBatchCode && state.conv_state == ConvState::kOk) {
      state.conv_state = ConvState::kSeveralTowns;
    }
    if (ctx.mode == CallerMode::kBatchAddress) state.res_address[0].clear(1);
  }
  return SearchOutcome::Several;
}

SearchOutcome not_found(const SearchContext& ctx, CodeSearchState& state) {
  const std::u16string key = text::Trim(state.in_code);
  if (ctx.mode == CallerMode::kWindow && ctx.options.prefix_fallback && text::Len(key) > 4) {
    // A 7-digit code becomes its first 3 digits.
    state.in_code = text::Left(key, text::Len(key) - 4);
    return sertch_kovari2(ctx, state);
  }
  state.status_msg = kMsgInputError;
  state.res_count[1] = 0;
  if (ctx.mode == CallerMode::kWindow) state.focus = Focus::kCode;
  if (ctx.mode == CallerMode::kBatchCode) state.conv_state = ConvState::kNotFound;
  return SearchOutcome::NotFound;
}

// sertch_kovari11 with the key already looked up.
SearchOutcome detail_lookup(const SearchContext& ctx, CodeSearchState& state,
                            std::u16string_view key, const CodeLookup& lookup) {
  state.out_address.clear();
  state.out_pobox.clear();
  state.out_office.clear();
  const std::optional<std::int32_t> mid = lookup.detail_record();
  if (!mid) return SearchOutcome::NotFound;

  state.status_msg = kMsgResultShown;
  int n = 0;
  const postaldb::LocationTexts& locations = postaldb::code_lookup_tables(ctx.db).locations;
  const auto add_result = [&](const DetailFields& record) {
    if (n >= kMaxResults) return;
    ++n;
    std::u16string& address = state.res_address[1][n];
    address.clear();
    locations.append(record.location, address);
    append_detail_address(record, address, state.res_pobox[1][n], state.res_office[1][n]);
  };
  bool run_found = true;
  if (const std::span<const postaldb::DecodedDetail> run = lookup.detail_records(); !run.empty()) {
    const postaldb::DecodedGroup& decoded = lookup.decoded();
    for (const postaldb::DecodedDetail& entry : run) {
      if (!entry.readable) continue;
      add_result({entry.location, entry.attributes, decoded.text(entry.office_name),
                  decoded.text(entry.town_name), decoded.text(entry.street)});
    }
  } else {
    DetailRecord& record = state.detail_record;
    run_found =
        walk_run(CodeIndex::detail_index(ctx.db), IndexKey(key), *mid, [&](std::int32_t offset) {
          if (read_detail_record(ctx.db.detail_file, offset, record)) {
            add_result(record.fields());
          }
        });
  }
  if (!run_found) report_broken_index(ctx, state, ConvState::kDetailError);
  return report(ctx, state, n, true);
}

}  // namespace

SearchOutcome sertch_kovari11(const SearchContext& ctx, CodeSearchState& state) {
  const std::u16string_view key = text::trim_view(state.in_code);
  return detail_lookup(ctx, state, key, CodeLookup(ctx.db, key));
}

SearchOutcome sertch_kovari1(const SearchContext& ctx, CodeSearchState& state) {
  // The town-area text of an earlier code must not stand for a code that
  // yields none.
  if (ctx.mode == CallerMode::kBatchAddress) state.res_address[0].clear(1);
  const std::u16string_view key = text::trim_view(state.in_code);
  const CodeLookup lookup(ctx.db, key);
  if (detail_search_enabled(ctx)) {
    const SearchOutcome outcome = detail_lookup(ctx, state, key, lookup);
    if (outcome != SearchOutcome::NotFound) return outcome;
  }
  // The batch converter clears these itself, before the detail search.
  if (ctx.mode != CallerMode::kBatchCode) {
    state.out_pobox.clear();
    state.out_office.clear();
  }
  const std::optional<std::int32_t> mid = lookup.main_record();
  if (!mid) return not_found(ctx, state);

  state.status_msg = kMsgResultShown;
  int n = 0;
  const postaldb::LocationTexts& locations = postaldb::code_lookup_tables(ctx.db).locations;
  const auto add_results = [&](std::int32_t location, int kind, std::u16string_view town_name) {
    if (kind == kSkippedKind || n >= kMaxResults) return;
    ++n;
    std::u16string& base = state.res_address[1][n];
    base.clear();
    locations.append(location, base);
    edit_address(ctx, state, n, town_name);
  };
  bool run_found = true;
  if (const std::span<const postaldb::DecodedTown> run = lookup.main_towns(); !run.empty()) {
    const postaldb::DecodedGroup& decoded = lookup.decoded();
    for (const postaldb::DecodedTown& entry : run) {
      if (entry.readable) add_results(entry.location, entry.kind, decoded.text(entry.town_name));
    }
  } else {
    TownRecord& record = state.town_record;
    run_found =
        walk_run(CodeIndex::main_index(ctx.db), IndexKey(key), *mid, [&](std::int32_t offset) {
          if (read_town_record(ctx.db.main_file, offset, record)) {
            add_results(record.location, record.kind(), record.town_name());
          }
        });
  }
  if (!run_found) report_broken_index(ctx, state, ConvState::kMainIndexError);
  return report(ctx, state, n, false);
}

}  // namespace kovari::code_search
