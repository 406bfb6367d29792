#include "code_search/edit_address.h"

#include <array>
#include <string>
#include <vector>

#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::code_search {

namespace {

// A name is split into at most this many parts.
constexpr std::size_t kMaxParts = 100;

bool contains(std::u16string_view s, std::u16string_view word) { return text::InStr(s, word) > 0; }

template <std::size_t N>
bool contains_any(std::u16string_view s, const std::array<std::u16string_view, N>& words) {
  for (std::u16string_view word : words) {
    if (contains(s, word)) return true;
  }
  return false;
}

// Remarks inside the parenthesis that are not part of an address.
bool is_remark(std::u16string_view part) {
  static constexpr std::array<std::u16string_view, 3> kRemarkWords = {u"次の", u"地階", u"その他"};
  return contains_any(part, kRemarkWords) || part == u"丁目" || part == u"番地";
}

// Details that the town-area text of the batch address conversion drops.
bool is_dropped_from_town_text(std::u16string_view part) {
  static constexpr std::array<std::u16string_view, 4> kWords = {u"次の", u"地階", u"その他", u"～"};
  return contains_any(part, kWords) || part == u"丁目" || part == u"番地" || part == u"無番地";
}

// Names without a parenthesis that stand for "everything not listed elsewhere".
constexpr std::array<std::u16string_view, 3> kCatchAllWords = {u"以下に", u"の次に", u"一円"};

// The inner text split at each "、"; an empty remainder is no part.
std::vector<std::u16string_view> split_parts(std::u16string_view inner) {
  std::vector<std::u16string_view> parts;
  std::u16string_view rest = inner;
  while (parts.size() < kMaxParts) {
    const int p = text::InStr(rest, u"、");
    if (p == 0) {
      if (!rest.empty()) parts.emplace_back(rest);
      break;
    }
    parts.emplace_back(text::left_view(rest, p - 1));
    rest = text::mid_view(rest, p + 1);
  }
  return parts;
}

// The base followed by the town name and its detail. Kyoto's street-direction
// names go in front of the town name, numbers after it.
std::u16string join_town(std::u16string_view base, bool kyoto, std::u16string_view town,
                         std::u16string_view detail) {
  std::u16string line;
  line.reserve(base.size() + town.size() + detail.size());
  line.append(base);
  if (kyoto && leading_number(detail) <= 0) {
    line.append(detail).append(town);
  } else {
    line.append(town).append(detail);
  }
  return line;
}

}  // namespace

double leading_number(std::u16string_view part) { return text::Val(text::to_narrow(part)); }

void edit_address(const SearchContext& ctx, CodeSearchState& state, int& n,
                  std::u16string_view name_in) {
  if (n < 1 || n > kMaxResults) return;
  const CallerMode mode = ctx.mode;
  const std::u16string_view name = text::trim_view(name_in);
  // The lines overwrite the base's own row: the base moves out of it first.
  std::u16string base = std::move(state.res_address[1][n]);
  const bool kyoto = contains(base, u"京都市");
  int counter = n - 1;

  auto emit = [&](std::u16string line, std::u16string town_text) {
    if (counter >= kMaxResults) return;
    ++counter;
    state.res_address[1][counter] = std::move(line);
    state.res_pobox[1].clear(counter);
    state.res_office[1].clear(counter);
    if (mode == CallerMode::kBatchAddress) state.res_address[0][counter] = std::move(town_text);
  };

  const int q = text::InStr(name, u"（");
  if (q > 0) {
    const std::u16string_view town = text::left_view(name, q - 1);
    // From after the "（" to the second-last character: the last is the "）".
    const std::u16string_view inner =
        text::mid_view(name, q + 1, std::max(0, text::Len(name) - q - 1));
    for (const std::u16string_view part : split_parts(inner)) {
      std::u16string_view detail = part;
      if (is_remark(detail)) detail = {};
      if (mode == CallerMode::kBatchCode && contains(part, u"～")) {
        detail = {};
        state.conv_state = ConvState::kTildeDropped;
      }
      std::u16string town_text;
      if (mode == CallerMode::kBatchAddress) {
        town_text = join_town({}, kyoto, town, is_dropped_from_town_text(part) ? u"" : part);
      }
      emit(join_town(base, kyoto, town, detail), std::move(town_text));
    }
  } else {
    const bool catch_all = contains_any(name, kCatchAllWords);
    std::u16string town_text;
    if (mode == CallerMode::kBatchAddress && !catch_all && !contains(name, u"～")) town_text = name;
    if (!catch_all) base.append(name);
    emit(std::move(base), std::move(town_text));
  }
  // A name that yields no line leaves the base where it was.
  if (counter < n) state.res_address[1][n] = std::move(base);
  n = counter;
}

}  // namespace kovari::code_search
