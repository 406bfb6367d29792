#include "text/sjis.h"

namespace kovari::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_high_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool is_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Writes the UTF-8 bytes of `c` at `out` and returns the end.
char* put_code_point(char* out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Writes the UTF-16 units of `c` at `out` and returns the end.
char16_t* put_utf16(char16_t* out, char32_t c) {
  if (c < 0x10000) {
    *out++ = static_cast<char16_t>(c);
  } else {
    *out++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
  return out;
}

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Whether the three bytes at `s` are a sequence that is neither overlong
// (lead 0xE0) nor a surrogate (lead 0xED): most of a Japanese text.
bool is_plain_three_bytes(const unsigned char* s) {
  const bool plain_lead = s[0] >= 0xE1 && s[0] <= 0xEF && s[0] != 0xED;
  // Both continuations, 0x80-0xBF, at once.
  return plain_lead && ((s[1] ^ 0x80) | (s[2] ^ 0x80)) < 0x40;
}

// The code point of the UTF-8 sequence at text[pos], and its length; an
// invalid sequence gives U+FFFD with length 1.
std::pair<char32_t, std::size_t> decode_utf8_at(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (pos + length > text.size()) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if (!is_continuation(byte(pos + i))) return {kReplacement, 1};
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || is_high_surrogate(c) || is_low_surrogate(c)) {
    return {kReplacement, 1};
  }
  return {c, length};
}

}  // namespace

std::string to_utf8(std::u16string_view text) {
  std::string out;
  append_utf8(out, text);
  return out;
}

void append_utf8(std::string& out, std::u16string_view text) {
  const std::size_t at = out.size();
  out.resize(at + utf8_room(text.size()));
  out.resize(static_cast<std::size_t>(put_utf8(out.data() + at, text) - out.data()));
}

char* put_utf8(char* out, std::u16string_view text) {
  const char16_t* unit = text.data();
  const char16_t* const end = unit + text.size();
  while (unit != end) {
    char32_t c = *unit++;
    if (c < 0x80) {
      *out++ = static_cast<char>(c);
      continue;
    }
    if (c >= 0x800 && !is_surrogate(c)) {
      // Most of a Japanese text: three bytes.
      out[0] = static_cast<char>(0xE0 | (c >> 12));
      out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[2] = static_cast<char>(0x80 | (c & 0x3F));
      out += 3;
      continue;
    }
    if (is_high_surrogate(c) && unit != end && is_low_surrogate(*unit)) {
      c = 0x10000 + ((c - 0xD800) << 10) + (*unit++ - 0xDC00);
    } else if (is_surrogate(c)) {
      c = kReplacement;
    }
    out = put_code_point(out, c);
  }
  return out;
}

std::u16string from_utf8(std::string_view text) {
  std::u16string out;
  from_utf8_into(text, out);
  return out;
}

void from_utf8_into(std::string_view text, std::u16string& out) {
  // At most one unit per byte (a four-byte sequence makes two).
  out.resize(text.size());
  char16_t* end = out.data();
  const auto* const first = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const last = first + text.size();
  for (const unsigned char* byte = first; byte != last;) {
    if (*byte < 0x80) {
      *end++ = *byte++;
    } else if (last - byte >= 3 && is_plain_three_bytes(byte)) {
      *end++ =
          static_cast<char16_t>((byte[0] & 0x0F) << 12 | (byte[1] & 0x3F) << 6 | (byte[2] & 0x3F));
      byte += 3;
    } else {
      const auto [c, length] = decode_utf8_at(text, static_cast<std::size_t>(byte - first));
      end = put_utf16(end, c);
      byte += length;
    }
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace kovari::text
