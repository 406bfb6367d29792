#include "code_search/edit_address.h"

#include <array>
#include <string>

#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::code_search {

namespace {

// A name is split into at most this many parts.
constexpr std::size_t kMaxParts = 100;

bool contains(std::u16string_view s, std::u16string_view word) {
  return s.find(word) != std::u16string_view::npos;
}

// One pass over s: a word is compared only where its first character stands.
template <std::size_t N>
bool contains_any(std::u16string_view s, const std::array<std::u16string_view, N>& words) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    for (std::u16string_view word : words) {
      if (s[i] == word.front() && s.substr(i).starts_with(word)) return true;
    }
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

// Calls on_part with each part of the inner text, split at each "、"; an
// empty remainder is no part.
template <typename OnPart>
void for_each_part(std::u16string_view inner, OnPart on_part) {
  std::u16string_view rest = inner;
  for (std::size_t parts = 0; parts < kMaxParts; ++parts) {
    const std::size_t comma = rest.find(u'、');
    if (comma == std::u16string_view::npos) {
      if (!rest.empty()) on_part(rest);
      return;
    }
    on_part(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
  }
}

// `line` becomes the base followed by the town name and its detail. Kyoto's
// street-direction names go in front of the town name, numbers after it.
void join_town(std::u16string& line, std::u16string_view base, bool kyoto, std::u16string_view town,
               std::u16string_view detail) {
  line.assign(base);
  if (kyoto && leading_number(detail) <= 0) {
    line.append(detail).append(town);
  } else {
    line.append(town).append(detail);
  }
}

}  // namespace

double leading_number(std::u16string_view part) { return text::Val(text::to_narrow(part)); }

void edit_address(const SearchContext& ctx, CodeSearchState& state, int& n,
                  std::u16string_view name_in) {
  if (n < 1 || n > kMaxResults) return;
  const CallerMode mode = ctx.mode;
  const std::u16string_view name = text::trim_view(name_in);
  // The lines overwrite the base's own row: the base moves out of it first.
  std::u16string& base = state.base_line;
  base.swap(state.res_address[1][n]);
  int counter = n - 1;

  // The next row for a line, its other columns emptied; nothing when the
  // rows are full.
  auto next_row = [&]() -> std::u16string* {
    if (counter >= kMaxResults) return nullptr;
    ++counter;
    state.res_pobox[1].clear(counter);
    state.res_office[1].clear(counter);
    return &state.res_address[1][counter];
  };

  const std::size_t q = name.find(u'（');
  if (q != std::u16string_view::npos) {
    const bool kyoto = contains(base, u"京都市");
    const std::u16string_view town = name.substr(0, q);
    // From after the "（" to the second-last character: the last is the "）".
    const std::u16string_view inner =
        name.size() >= q + 2 ? name.substr(q + 1, name.size() - q - 2) : std::u16string_view();
    for_each_part(inner, [&](std::u16string_view part) {
      std::u16string_view detail = part;
      if (is_remark(detail)) detail = {};
      if (mode == CallerMode::kBatchCode && contains(part, u"～")) {
        detail = {};
        state.conv_state = ConvState::kTildeDropped;
      }
      std::u16string* line = next_row();
      if (line == nullptr) return;
      join_town(*line, base, kyoto, town, detail);
      if (mode == CallerMode::kBatchAddress) {
        join_town(state.res_address[0][counter], {}, kyoto, town,
                  is_dropped_from_town_text(part) ? u"" : part);
      }
    });
  } else {
    const bool catch_all = contains_any(name, kCatchAllWords);
    if (std::u16string* line = next_row()) {
      // The line's row is the base's own: the base goes back and the name
      // after it.
      line->swap(base);
      if (!catch_all) line->append(name);
      if (mode == CallerMode::kBatchAddress) {
        state.res_address[0][counter] =
            !catch_all && !contains(name, u"～") ? name : std::u16string_view();
      }
    }
  }
  // A name that yields no line leaves the base where it was.
  if (counter < n) state.res_address[1][n].swap(base);
  n = counter;
}

}  // namespace kovari::code_search
