#include "text/name_index.h"

#include <algorithm>

#include "text/vb.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kovari::text {

NameIndex::NameIndex(std::initializer_list<std::reference_wrapper<const Names>> lists) {
  for (const Names& names : lists) {
    for (std::size_t row = 0; row < names.size(); ++row) {
      const std::u16string_view name = trim_view(names[row]);
      const int r = static_cast<int>(row);
      if (name.size() == 1) {
        singles_.emplace_back(name[0], r);
      } else if (name.size() > 1) {
        const std::uint32_t key = pair_key(name[0], name[1]);
        pairs_.emplace_back(key, r);
        pair_bits_.set(pair_bit(key));
      }
    }
  }
  std::sort(pairs_.begin(), pairs_.end());
}

void NameIndex::add_rows(std::uint32_t key, std::vector<int>& rows) const {
  auto it = std::lower_bound(pairs_.begin(), pairs_.end(), std::pair{key, 0});
  for (; it != pairs_.end() && it->first == key; ++it) rows.push_back(it->second);
}

void NameIndex::rows_in(std::u16string_view text, std::vector<int>& rows) const {
  rows.clear();
  std::size_t i = 0;
#if defined(__SSE2__)
  // Few pairs of a text are the start of a name: the bits of eight pairs are
  // worked out at once, pair_bit in 16-bit lanes (the key's second character
  // ^ its first << 3 ^ its second >> 13), and only then looked up one by one.
  // The pairs left after the last whole block are those of the text's last
  // eight pairs not seen yet.
  static_assert(kBitMask == 0xFFFF, "a bit is one 16-bit lane");
  constexpr std::size_t kBlock = 8;
  const auto probe_block = [&](std::size_t start, std::size_t first_new) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + start));
    const __m128i second =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + start + 1));
    const __m128i bits =
        _mm_xor_si128(_mm_xor_si128(second, _mm_slli_epi16(first, 3)), _mm_srli_epi16(second, 13));
    alignas(16) std::uint16_t bit[kBlock];
    _mm_store_si128(reinterpret_cast<__m128i*>(bit), bits);
    for (std::size_t j = first_new; j < kBlock; ++j) {
      if (pair_bits_[bit[j]]) add_rows(pair_key(text[start + j], text[start + j + 1]), rows);
    }
  };
  for (; i + kBlock < text.size(); i += kBlock) probe_block(i, 0);
  if (i != 0 && i + 1 < text.size()) {
    const std::size_t start = text.size() - 1 - kBlock;
    probe_block(start, i - start);
    i = text.size();
  }
#endif
  for (; i + 1 < text.size(); ++i) {
    const std::uint32_t key = pair_key(text[i], text[i + 1]);
    if (pair_bits_[pair_bit(key)]) add_rows(key, rows);
  }
  for (const auto& [c, row] : singles_) {
    if (text.find(c) != std::u16string_view::npos) rows.push_back(row);
  }
  if (rows.size() > 1) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  }
}

}  // namespace kovari::text
