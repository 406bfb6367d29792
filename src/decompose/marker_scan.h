// The first positions of a stage's marker characters, found in one pass over
// the text instead of one search per marker. A stage lists its characters once
// (static constexpr MarkerScan kMarkers{u"市区郡"}) and reads each first
// position by its character. A longer marker word can only start at or after
// the first position of its first character: word_from starts its search there
// and skips it where that character is absent.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "text/vb.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kovari::decompose {

template <std::size_t N>
class MarkerScan {
  static constexpr std::uint8_t kNone = 0xFF;
  static_assert(N < kNone);

  // Each marker of a scan has a slot of its own under this hash.
  static constexpr std::size_t slot_of(char16_t c) { return (c ^ c >> 8) & 0xFF; }

 public:
  // The 1-based first position of every marker character, 0 where absent.
  class Positions {
   public:
    int of(char16_t c) const {
      const std::uint8_t k = scan_->marker_[slot_of(c)];
      assert(k != kNone && scan_->chars_[k] == c && "not a marker of this scan");
      return first_[k];
    }

   private:
    friend class MarkerScan;
    explicit Positions(const MarkerScan& scan) : scan_(&scan) {}
    const MarkerScan* scan_;
    std::array<int, N> first_{};
  };

  consteval explicit MarkerScan(const char16_t (&markers)[N + 1]) {
    marker_.fill(kNone);
    for (std::size_t k = 0; k < N; ++k) {
      // Two markers in one slot: no constant scan compiles.
      if (marker_[slot_of(markers[k])] != kNone) throw std::logic_error("markers share a slot");
      marker_[slot_of(markers[k])] = static_cast<std::uint8_t>(k);
      chars_[k] = markers[k];
      repeated_[k].fill(markers[k]);
    }
  }

  Positions scan(std::u16string_view text) const {
    Positions p(*this);
    std::size_t i = 0;
#if defined(__SSE2__)
    // Most characters are no marker: a block of kBlock characters is compared
    // with every marker at once, and only the markers it holds are recorded.
    // The last, shorter block is read as the last kBlock characters of the
    // text (a marker among those seen already keeps its first position); a
    // text shorter than a block is read character by character.
    for (; i + kBlock <= text.size(); i += kBlock) record_block(text.data() + i, i, p);
    if (i < text.size() && text.size() >= kBlock) {
      record_block(text.data() + text.size() - kBlock, text.size() - kBlock, p);
      i = text.size();
    }
#endif
    for (; i < text.size(); ++i) record(text[i], i, p);
    return p;
  }

 private:
  static constexpr std::size_t kBlock = 8;

  // The character c at 0-based index i, if it is a marker seen for the first time.
  void record(char16_t c, std::size_t i, Positions& p) const {
    const std::uint8_t k = marker_[slot_of(c)];
    if (k != kNone && chars_[k] == c && p.first_[k] == 0) p.first_[k] = static_cast<int>(i) + 1;
  }

#if defined(__SSE2__)
  // The markers among the kBlock characters at block, which start at index first.
  void record_block(const char16_t* block, std::size_t first, Positions& p) const {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    __m128i hits = _mm_setzero_si128();
    for (std::size_t k = 0; k < N; ++k) {
      const __m128i marker = _mm_load_si128(reinterpret_cast<const __m128i*>(repeated_[k].data()));
      hits = _mm_or_si128(hits, _mm_cmpeq_epi16(units, marker));
    }
    // Two mask bits per character, in text order.
    for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0;
         mask &= mask - 1) {
      const unsigned j = static_cast<unsigned>(std::countr_zero(mask)) / 2;
      mask &= mask - 1;
      record(block[j], first + j, p);
    }
  }
#endif

  std::array<std::uint8_t, 256> marker_{};  // marker index by slot, kNone for none
  std::array<char16_t, N> chars_{};
  // Each marker repeated across a block, for the block comparison.
  alignas(16) std::array<std::array<char16_t, kBlock>, N> repeated_{};
};

template <std::size_t M>
MarkerScan(const char16_t (&)[M]) -> MarkerScan<M - 1>;

// InStr(text, word), given the first position of word's first character.
inline int word_from(std::u16string_view text, int first_char_pos, std::u16string_view word) {
  return first_char_pos == 0 ? 0 : text::InStr(first_char_pos, text, word);
}

}  // namespace kovari::decompose
