#include "text/sjis.h"

namespace kovari::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_high_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Writes the UTF-8 bytes of `c` at `out` and returns the end.
char* put_utf8(char* out, char32_t c) {
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

// Whether `lead` begins a three-byte sequence that is neither overlong (0xE0)
// nor a surrogate (0xED): most of a Japanese text.
bool is_plain_three_byte_lead(unsigned char lead) {
  return lead >= 0xE1 && lead <= 0xEF && lead != 0xED;
}

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

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
  // Encoded into a piece on the stack and appended a piece at a time, so
  // that no room is made (and cleared) in `out` beyond the bytes written.
  char piece[256];
  char* end = piece;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Room for the longest sequence: a surrogate pair, four bytes.
    if (end > piece + sizeof piece - 4) {
      out.append(piece, static_cast<std::size_t>(end - piece));
      end = piece;
    }
    char32_t c = text[i];
    if (c < 0x80) {
      *end++ = static_cast<char>(c);
      continue;
    }
    if (c >= 0x800 && !is_high_surrogate(c) && !is_low_surrogate(c)) {
      // Most of a Japanese text: three bytes.
      end[0] = static_cast<char>(0xE0 | (c >> 12));
      end[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      end[2] = static_cast<char>(0x80 | (c & 0x3F));
      end += 3;
      continue;
    }
    if (is_high_surrogate(c) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (is_high_surrogate(c) || is_low_surrogate(c)) {
      c = kReplacement;
    }
    end = put_utf8(end, c);
  }
  out.append(piece, static_cast<std::size_t>(end - piece));
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
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t pos = 0; pos < text.size();) {
    const unsigned char lead = bytes[pos];
    if (lead < 0x80) {
      *end++ = lead;
      ++pos;
    } else if (is_plain_three_byte_lead(lead) && pos + 2 < text.size() &&
               is_continuation(bytes[pos + 1]) && is_continuation(bytes[pos + 2])) {
      *end++ = static_cast<char16_t>((lead & 0x0F) << 12 | (bytes[pos + 1] & 0x3F) << 6 |
                                     (bytes[pos + 2] & 0x3F));
      pos += 3;
    } else {
      const auto [c, length] = decode_utf8_at(text, pos);
      end = put_utf16(end, c);
      pos += length;
    }
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace kovari::text
