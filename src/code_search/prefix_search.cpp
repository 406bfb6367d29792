// The prefix search (a code of fewer than 7 digits, which is also how the old
// 3- and 5-digit codes are entered) and the hits it leaves for the result list.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "code_search/code_index.h"
#include "code_search/code_search.h"
#include "text/vb.h"

namespace kovari::code_search {

namespace {

constexpr std::u16string_view kMsgInputError = u"郵便番号の入力エラーです。";
constexpr std::u16string_view kMsgNoHits = u"郵便番号と一致するデータは０件です。";

// The range found by the bound searches is widened by this many records on
// each side before it is scanned.
constexpr std::int32_t kRangeMargin = 5;

SearchOutcome fail(const SearchContext& ctx, CodeSearchState& state, std::u16string_view message) {
  state.status_msg = message;
  if (ctx.mode == CallerMode::kWindow) state.focus = Focus::kCode;
  return SearchOutcome::NotFound;
}

}  // namespace

SearchOutcome sertch_kovari2(const SearchContext& ctx, CodeSearchState& state) {
  const std::u16string key = text::Trim(state.in_code);
  const int missing = 7 - text::Len(key);
  const std::u16string low = key + text::Left(u"0000000", missing);
  const std::u16string high = key + text::Left(u"9999999", missing);

  const CodeIndex index = CodeIndex::main_index(ctx.db);
  if (index.count() < 1) return fail(ctx, state, kMsgInputError);
  // A range that reaches past an end of the index is cut there, so that the
  // codes of "00" or "999" that do exist are listed; a range wholly outside
  // the index is an input error.
  const std::optional<std::int32_t> low_pos = compare_code(low, index.raw_code(1)) < 0
                                                  ? 1
                                                  : search_index(index, low, IndexSearch::LowBound);
  const std::optional<std::int32_t> high_pos =
      compare_code(high, index.raw_code(index.count())) > 0
          ? index.count()
          : search_index(index, high, IndexSearch::HighBound);
  if (!low_pos || !high_pos) return fail(ctx, state, kMsgInputError);

  // A bound that is itself a code ends its search on some record of that
  // code's run, which may be longer than the margin: the scan reaches out to
  // the whole runs of the codes at both ends of the range.
  std::int32_t first = std::max<std::int32_t>(1, *low_pos - kRangeMargin);
  while (first > 1 && compare_code(low, index.raw_code(first - 1)) <= 0) --first;
  std::int32_t last = std::min<std::int32_t>(index.count(), *high_pos + kRangeMargin);
  while (last < index.count() && compare_code(high, index.raw_code(last + 1)) >= 0) ++last;
  int count = 0;
  state.res_pos.assign(1, 0);  // row 0 is unused
  for (std::int32_t r = first; r <= last; ++r) {
    const IndexRecord record = index.record(r);
    if (compare_code(low, record.code) > 0 || compare_code(high, record.code) < 0) continue;
    if (count == kMaxResults) break;
    ++count;
    state.res_pos.push_back(record.offset);
  }
  state.res_count[1] = count;
  if (count == 0) return fail(ctx, state, kMsgNoHits);
  state.list_mode = 1;
  state.out_address.clear();
  return SearchOutcome::PrefixList;
}

std::vector<std::int32_t> prefix_hits(const CodeSearchState& state) {
  // res_pos holds the hits of the last prefix search only (nothing before one).
  const int stored = std::max(static_cast<int>(state.res_pos.size()) - 1, 0);
  const int hits = std::clamp(state.res_count[1], 0, stored);
  if (hits == 0) return {};
  return std::vector<std::int32_t>(state.res_pos.begin() + 1, state.res_pos.begin() + 1 + hits);
}

}  // namespace kovari::code_search
