#include "text/strconv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kovari::text {
namespace {

constexpr char16_t kHalfFirst = 0xFF61;       // ｡, the first half-width katakana code
constexpr char16_t kHalfLast = 0xFF9F;        // ﾟ
constexpr char16_t kHalfVoiced = 0xFF9E;      // ﾞ
constexpr char16_t kHalfSemiVoiced = 0xFF9F;  // ﾟ
constexpr char16_t kWideAsciiOffset = 0xFEE0;
constexpr char16_t kWideBlank = 0x3000;

// The full-width form of each half-width katakana code U+FF61..U+FF9F, in order.
constexpr std::u16string_view kWideOfHalf =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
    u"マミムメモヤユヨラリルレロワン゛゜";
static_assert(kWideOfHalf.size() == kHalfLast - kHalfFirst + 1);

// Half-width bases that take a voiced mark; in the full-width block each voiced
// katakana follows its base directly (カ ガ, ハ バ パ).
constexpr std::u16string_view kVoiceableHalf = u"ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ";
constexpr std::u16string_view kSemiVoiceableHalf = u"ﾊﾋﾌﾍﾎ";
constexpr char16_t kHalfU = u'ｳ';
constexpr char16_t kWideVu = u'ヴ';

constexpr char16_t wide_of_half(char16_t half) { return kWideOfHalf[half - kHalfFirst]; }

// Narrow forms of U+3000..U+30FF: up to two half-width codes, {0, 0} for none.
using NarrowForm = std::array<char16_t, 2>;
constexpr std::array<NarrowForm, 256> build_narrow_cjk_table() {
  std::array<NarrowForm, 256> table{};
  table[kWideBlank - 0x3000] = {u' ', 0};
  for (char16_t half = kHalfFirst; half <= kHalfLast; ++half) {
    table[wide_of_half(half) - 0x3000] = {half, 0};
  }
  for (char16_t half : kVoiceableHalf) {
    table[wide_of_half(half) + 1 - 0x3000] = {half, kHalfVoiced};
  }
  for (char16_t half : kSemiVoiceableHalf) {
    table[wide_of_half(half) + 2 - 0x3000] = {half, kHalfSemiVoiced};
  }
  table[kWideVu - 0x3000] = {kHalfU, kHalfVoiced};
  return table;
}
constexpr std::array<NarrowForm, 256> kNarrowCjk = build_narrow_cjk_table();

// The full-width katakana a half-width base and a following mark join into, or 0.
constexpr char16_t joined_katakana(char16_t half, char16_t mark) {
  if (mark == kHalfVoiced) {
    if (half == kHalfU) return kWideVu;
    if (kVoiceableHalf.find(half) != std::u16string_view::npos) return wide_of_half(half) + 1;
  }
  if (mark == kHalfSemiVoiced && kSemiVoiceableHalf.find(half) != std::u16string_view::npos) {
    return wide_of_half(half) + 2;
  }
  return 0;
}

// Quotes and the hyphen that narrow to ASCII without being full-width forms.
constexpr char16_t narrow_punctuation(char16_t c) {
  switch (c) {
    case u'‘':
    case u'’':
      return u'\'';
    case u'“':
    case u'”':
      return u'"';
    case u'‐':
      return u'-';
    default:
      return 0;
  }
}

// A range of characters first..last that a conversion may change.
struct Range {
  char16_t first, last;
};

// The characters to_narrow may change: the quotes and ‐, the CJK symbols and
// kana, the full-width ASCII forms.
constexpr std::array<Range, 3> kNarrowChanged = {
    {{0x2010, 0x201D}, {0x3000, 0x30FF}, {0xFF01, 0xFF5E}}};
// The characters to_wide may change: the blank and ASCII, the half-width kana.
constexpr std::array<Range, 2> kWideChanged = {{{0x20, 0x7E}, {kHalfFirst, kHalfLast}}};

// The changed characters that convert by adding one offset: full-width ASCII
// to ASCII and back (the backslash, in either form, stays).
struct Shift {
  Range range;
  char16_t kept;
  char16_t offset;  // added modulo 2^16
};
constexpr Shift kNarrowShift = {{0xFF01, 0xFF5E}, u'＼', static_cast<char16_t>(-kWideAsciiOffset)};
constexpr Shift kWideShift = {{0x21, 0x7E}, u'\\', kWideAsciiOffset};

constexpr std::size_t kBlock = 8;

#if defined(__SSE2__)
// The lanes of units within r: c - first <= last - first, unsigned, so the
// saturated difference is 0.
__m128i within(__m128i units, Range r) {
  const __m128i offset = _mm_sub_epi16(units, _mm_set1_epi16(static_cast<short>(r.first)));
  const __m128i excess =
      _mm_subs_epu16(offset, _mm_set1_epi16(static_cast<short>(r.last - r.first)));
  return _mm_cmpeq_epi16(excess, _mm_setzero_si128());
}

// The lanes of units the shift converts.
__m128i shifted_lanes(__m128i units, const Shift& shift) {
  const __m128i kept = _mm_cmpeq_epi16(units, _mm_set1_epi16(static_cast<short>(shift.kept)));
  return _mm_andnot_si128(kept, within(units, shift.range));
}

// units with the shift added in the lanes of shifted.
__m128i add_shift(__m128i units, __m128i shifted, const Shift& shift) {
  return _mm_add_epi16(units,
                       _mm_and_si128(shifted, _mm_set1_epi16(static_cast<short>(shift.offset))));
}
#endif

// c converted by the shift, or unchanged.
constexpr char16_t shift_unit(char16_t c, const Shift& shift) {
  const bool shifted = c >= shift.range.first && c <= shift.range.last && c != shift.kept;
  return shifted ? static_cast<char16_t>(c + shift.offset) : c;
}

// Converts the kBlock characters at p to o when each of them either lies in
// none of the changed ranges or converts by the shift, and returns whether it
// did: most of an address is kanji that both conversions copy unchanged, and
// digits and dashes that shift, a block at a time.
template <std::size_t N>
bool convert_block(const char16_t* p, const std::array<Range, N>& changed, const Shift& shift,
                   char16_t* o) {
#if defined(__SSE2__)
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  __m128i inside = _mm_setzero_si128();
  for (const Range& r : changed) inside = _mm_or_si128(inside, within(units, r));
  const __m128i shifted = shifted_lanes(units, shift);
  if (_mm_movemask_epi8(_mm_andnot_si128(shifted, inside)) != 0) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(o), add_shift(units, shifted, shift));
  return true;
#else
  for (std::size_t i = 0; i < kBlock; ++i) {
    for (const Range& r : changed) {
      if (p[i] >= r.first && p[i] <= r.last) return false;
    }
  }
  std::copy_n(p, kBlock, o);
  return true;
#endif
}

#if defined(__SSE2__)
// Whether a lane of units lies in one of the changed ranges.
template <std::size_t N>
bool any_within(__m128i units, const std::array<Range, N>& changed) {
  __m128i found = _mm_setzero_si128();
  for (const Range& r : changed) found = _mm_or_si128(found, within(units, r));
  return _mm_movemask_epi8(found) != 0;
}

// The n < kBlock units at p in the lanes of a vector, some of them twice: two
// loads that overlap cover any count without reading past p + n.
__m128i load_short(const char16_t* p, std::size_t n) {
  if (n >= 4) {
    return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + n - 4)));
  }
  if (n >= 2) {
    std::int32_t head, tail;
    std::memcpy(&head, p, sizeof head);
    std::memcpy(&tail, p + n - 2, sizeof tail);
    return _mm_set_epi32(head, tail, head, tail);
  }
  return _mm_set1_epi16(static_cast<short>(p[0]));
}
#endif

// Whether no character of s lies in one of the changed ranges: a block at a
// time (the last one overlapping the one before), a short text at once.
template <std::size_t N>
bool changes_none(std::u16string_view s, const std::array<Range, N>& changed) {
#if defined(__SSE2__)
  const std::size_t n = s.size();
  if (n == 0) return true;
  if (n < kBlock) return !any_within(load_short(s.data(), n), changed);
  for (std::size_t i = 0;; i += kBlock) {
    const std::size_t at = std::min(i, n - kBlock);
    if (any_within(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + at)), changed)) {
      return false;
    }
    if (at + kBlock == n) return true;
  }
#else
  return std::none_of(s.begin(), s.end(), [&](char16_t c) {
    return std::any_of(changed.begin(), changed.end(),
                       [c](Range r) { return c >= r.first && c <= r.last; });
  });
#endif
}

// The characters that one of the conversions changes otherwise than by its
// shift: the blank, the quotes and ‐, the CJK symbols and katakana around the
// hiragana, the half-width kana.
constexpr std::array<Range, 5> kChangedBeyondShifts = {
    {{0x20, 0x20}, {0x2010, 0x201D}, {0x3000, 0x3040}, {0x3097, 0x30FF}, {kHalfFirst, kHalfLast}}};

// Both conversions of the kBlock characters at p, to narrow and to wide, when
// each of them converts by the shifts alone; returns whether it did.
bool convert_block_both(const char16_t* p, char16_t* narrow, char16_t* wide) {
#if defined(__SSE2__)
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  if (any_within(units, kChangedBeyondShifts)) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(narrow),
                   add_shift(units, shifted_lanes(units, kNarrowShift), kNarrowShift));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(wide),
                   add_shift(units, shifted_lanes(units, kWideShift), kWideShift));
  return true;
#else
  for (std::size_t i = 0; i < kBlock; ++i) {
    for (const Range& r : kChangedBeyondShifts) {
      if (p[i] >= r.first && p[i] <= r.last) return false;
    }
  }
  for (std::size_t i = 0; i < kBlock; ++i) {
    narrow[i] = shift_unit(p[i], kNarrowShift);
    wide[i] = shift_unit(p[i], kWideShift);
  }
  return true;
#endif
}

// Writes the narrow form of s[i] at o; returns the index of the next character.
std::size_t put_narrow(std::u16string_view s, std::size_t i, char16_t*& o) {
  const char16_t c = s[i];
  if (c >= 0xFF01 && c <= 0xFF5E && c != u'＼') {
    *o++ = static_cast<char16_t>(c - kWideAsciiOffset);
  } else if (c >= 0x3000 && c <= 0x30FF && kNarrowCjk[c - 0x3000][0] != 0) {
    const NarrowForm& form = kNarrowCjk[c - 0x3000];
    *o++ = form[0];
    if (form[1] != 0) *o++ = form[1];
  } else if (const char16_t ascii = narrow_punctuation(c); ascii != 0) {
    *o++ = ascii;
  } else {
    *o++ = c;
  }
  return i + 1;
}

// Writes the wide form of s[i] at o; returns the index of the next character,
// past a voiced mark joined to s[i].
std::size_t put_wide(std::u16string_view s, std::size_t i, char16_t*& o) {
  const char16_t c = s[i];
  if (c == u' ') {
    *o++ = kWideBlank;
  } else if (c > u' ' && c < 0x7F && c != u'\\') {
    *o++ = static_cast<char16_t>(c + kWideAsciiOffset);
  } else if (c >= kHalfFirst && c <= kHalfLast) {
    const char16_t joined = i + 1 < s.size() ? joined_katakana(c, s[i + 1]) : 0;
    *o++ = joined != 0 ? joined : wide_of_half(c);
    if (joined != 0) return i + 2;
  } else {
    *o++ = c;
  }
  return i + 1;
}

// Converts s into o a block at a time where convert_block can, else character
// by character with put. A text's last, shorter block is converted as its
// last kBlock characters when the block before went one to one: the
// characters shared with it come out the same a second time.
template <std::size_t N>
char16_t* convert(std::u16string_view s, const std::array<Range, N>& changed, const Shift& shift,
                  std::size_t (*put)(std::u16string_view, std::size_t, char16_t*&), char16_t* o) {
  std::size_t i = 0;
  bool after_block = false;
  while (i < s.size()) {
    if (i + kBlock <= s.size()) {
      after_block = convert_block(s.data() + i, changed, shift, o);
      if (after_block) {
        o += kBlock;
        i += kBlock;
        continue;
      }
    } else if (after_block) {
      const std::size_t shared = i + kBlock - s.size();
      if (convert_block(s.data() + s.size() - kBlock, changed, shift, o - shared)) {
        return o + (kBlock - shared);
      }
    }
    const std::size_t block_end = std::min(i + kBlock, s.size());
    while (i < block_end) i = put(s, i, o);
  }
  return o;
}

// Kept out of to_wide, whose texts are mostly in the wide form already: their
// check and copy run without this path's code.
[[gnu::noinline]] void convert_to_wide(std::u16string_view s, std::u16string& out) {
  out.resize(s.size());
  const char16_t* end = convert(s, kWideChanged, kWideShift, put_wide, out.data());
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace

// Both conversions write through a pointer into out sized for the longest
// result, then cut it to what was written: addresses pass through them by the
// hundred thousand.
void to_narrow(std::u16string_view s, std::u16string& out) {
  out.resize(2 * s.size());  // a voiced katakana becomes two characters
  const char16_t* end = convert(s, kNarrowChanged, kNarrowShift, put_narrow, out.data());
  out.resize(static_cast<std::size_t>(end - out.data()));
}

void to_wide(std::u16string_view s, std::u16string& out) {
  if (!changes_none(s, kWideChanged)) return convert_to_wide(s, out);
  out.clear();
  out.append(s);
}

bool to_narrow_and_wide(std::u16string_view s, std::u16string& narrow, std::u16string& wide) {
  const std::size_t n = s.size();
  if (n < kBlock) return false;
  narrow.resize(n);
  wide.resize(n);
  for (std::size_t i = 0;; i += kBlock) {
    const std::size_t at = std::min(i, n - kBlock);  // the last block ends with the text
    if (!convert_block_both(s.data() + at, narrow.data() + at, wide.data() + at)) return false;
    if (at + kBlock == n) return true;
  }
}

std::u16string to_narrow(std::u16string_view s) {
  std::u16string out;
  to_narrow(s, out);
  return out;
}

std::u16string to_wide(std::u16string_view s) {
  std::u16string out;
  to_wide(s, out);
  return out;
}

std::u16string to_full_width_digits(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) {
    if ((c >= u'0' && c <= u'9') || c == u',') c = static_cast<char16_t>(c + kWideAsciiOffset);
  }
  return out;
}

}  // namespace kovari::text
