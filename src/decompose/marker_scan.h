// The positions of the marker characters of an address (the prefecture, the
// municipal and the block markers), found in one pass over the working text
// instead of one search per marker and stage. Each stage asks for the first
// position of a marker in what is left of the text (a part of the scanned
// text) by its character: markers.in(w)(u'市'). A longer word that opens with a
// marker can only start where that marker stands: In::word tries those places
// alone.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kovari::decompose {

namespace marker_table {

inline constexpr std::u16string_view kMarkers =
    u"東北大県市諸京件"  // prefectures
    u"区郡島町村群鹿姫"  // municipal levels
    u"丁番号-条線地";    // blocks
inline constexpr std::size_t kCount = kMarkers.size();
inline constexpr std::uint8_t kNone = kCount;  // a spare mask no one reads

// Each marker has a slot of its own under this hash.
constexpr std::size_t slot_of(char16_t c) { return (c ^ c >> 7) & 0xFF; }

// The marker index of each slot, kNone for none.
inline constexpr std::array<std::uint8_t, 256> kIndex = [] {
  std::array<std::uint8_t, 256> index{};
  index.fill(kNone);
  for (std::size_t k = 0; k < kCount; ++k) index[slot_of(kMarkers[k])] = k;
  return index;
}();

// The markers by index; the spare holds no character.
inline constexpr std::array<char16_t, kCount + 1> kChars = [] {
  std::array<char16_t, kCount + 1> chars{};
  for (std::size_t k = 0; k < kCount; ++k) chars[k] = kMarkers[k];
  return chars;
}();

static_assert(
    [] {
      for (std::size_t k = 0; k < kCount; ++k) {
        if (kIndex[slot_of(kMarkers[k])] != k) return false;
      }
      return true;
    }(),
    "two markers share a slot");

}  // namespace marker_table

class MarkerPositions {
 public:
  // Scans text; the positions asked for later are those of parts of it.
  explicit MarkerPositions(std::u16string_view text) : text_(text) {
    using namespace marker_table;
    // Plain stores: the string instruction the compiler makes of a fill this
    // small costs more, once per address.
#pragma GCC unroll 32
    for (std::uint64_t& mask : at_) mask = 0;
    if (text.size() > kMaskBits) return;  // searched plainly
    // Without a branch: markers and other characters alternate unpredictably.
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      const std::uint8_t k = kIndex[slot_of(c)];
      at_[k] |= std::uint64_t{kChars[k] == c} << i;
    }
  }

  // The marker positions within w, a part of the scanned text.
  class In {
   public:
    // The 1-based position in w of the first marker c at or after position
    // from (InStr(from, w, c)); 0 when none.
    int operator()(char16_t c, int from = 1) const {
      if (from < 1 || static_cast<std::size_t>(from) > w_.size()) return 0;
      if (at_ == nullptr) {  // a long text
        const std::size_t i = w_.find(c, static_cast<std::size_t>(from) - 1);
        return i == std::u16string_view::npos ? 0 : static_cast<int>(i) + 1;
      }
      // Bits from the start of w up to its end, shifted to w's first position.
      const std::uint64_t after = ((*at_)[index_of(c)] & within_) >> (offset_ + from - 1);
      return after == 0 ? 0 : std::countr_zero(after) + from;
    }

    // InStr(w, word) for a word whose first character is a marker.
    template <std::size_t N>
    int word(const char16_t (&word)[N]) const {
      const std::u16string_view x(word, N - 1);
      for (int p = (*this)(x[0]); p != 0; p = (*this)(x[0], p + 1)) {
        if (w_.substr(static_cast<std::size_t>(p) - 1).starts_with(x)) return p;
      }
      return 0;
    }

   private:
    friend class MarkerPositions;
    In(const MarkerPositions& m, std::u16string_view w) : w_(w) {
      assert(w.data() >= m.text_.data() && w.data() + w.size() <= m.text_.data() + m.text_.size());
      if (m.text_.size() > kMaskBits) return;
      at_ = &m.at_;
      offset_ = static_cast<std::size_t>(w.data() - m.text_.data());
      const std::size_t end = offset_ + w.size();
      within_ = end == kMaskBits ? ~std::uint64_t{0} : (std::uint64_t{1} << end) - 1;
    }
    std::u16string_view w_;
    const std::array<std::uint64_t, marker_table::kCount + 1>* at_ = nullptr;
    std::size_t offset_ = 0;
    std::uint64_t within_ = 0;
  };

  In in(std::u16string_view w) const { return In(*this, w); }

 private:
  static constexpr std::size_t kMaskBits = 64;

  static constexpr std::size_t index_of(char16_t c) {
    using namespace marker_table;
    const std::uint8_t k = kIndex[slot_of(c)];
    assert(k != kNone && kChars[k] == c && "not a marker");
    return k;
  }

  std::u16string_view text_;
  std::array<std::uint64_t, marker_table::kCount + 1> at_;  // bit i: text_[i] is the marker
};

}  // namespace kovari::decompose
