// Shift-JIS (code page 932) at the edge of the engine: files are decoded when
// read and encoded when written; inside, text is UTF-16. The mapping is glibc
// iconv's "CP932" (0x5C is "\", 0x8160 is "～" U+FF5E, 0x817C is "－" U+FF0D).
// Text that cannot be converted is reported, never dropped or replaced.
// Thread-safe; conversion descriptors are cached per thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kovari::text {

// Whether `b` opens a two-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
constexpr bool is_sjis_lead_byte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// CP932 bytes to UTF-16; std::nullopt when the bytes are not valid CP932 (an
// unknown or incomplete double-byte character, an unmapped byte).
std::optional<std::u16string> decode_sjis(std::string_view bytes);
// The same; on failure error_offset is the 0-based byte offset of the first
// byte that could not be decoded (on success it is left alone).
std::optional<std::u16string> decode_sjis(std::string_view bytes, std::size_t& error_offset);
// The same appended to `text`: false on failure, and then `text` is as it was.
bool append_decoded_sjis(std::string_view bytes, std::u16string& text, std::size_t& error_offset);

// The same written at `out`, which has room for bytes.size() units (every
// character takes a byte or two): the end of what it wrote, or nullptr when
// the bytes are not valid CP932.
char16_t* put_decoded_sjis(std::string_view bytes, char16_t* out);

// Whether `bytes` are valid CP932 (as append_decoded_sjis decodes them),
// without decoding them; on failure error_offset is set as there.
bool check_sjis(std::string_view bytes, std::size_t& error_offset);

// UTF-16 to CP932; std::nullopt when a character has no CP932 code.
std::optional<std::string> encode_sjis(std::u16string_view text);
// The same; on failure error_position is the 0-based UTF-16 index of the first
// character that could not be encoded (on success it is left alone).
std::optional<std::string> encode_sjis(std::u16string_view text, std::size_t& error_position);
// The same appended to `bytes`: false on failure, and then `bytes` is as it was.
bool append_sjis(std::string& bytes, std::u16string_view text, std::size_t& error_position);

// Plain UTF-8 conversions for the command line and tests. Invalid input (bad
// UTF-8, lone surrogates) becomes U+FFFD.
std::string to_utf8(std::u16string_view text);
// to_utf8 appended to `out`.
void append_utf8(std::string& out, std::u16string_view text);
// The most bytes to_utf8 makes of `units` UTF-16 units: three each (a
// surrogate pair makes four of two).
constexpr std::size_t utf8_room(std::size_t units) { return 3 * units; }
// to_utf8 written at `out`, which has room for utf8_room(text.size()) bytes;
// returns the end of what it wrote.
char* put_utf8(char* out, std::u16string_view text);
std::u16string from_utf8(std::string_view text);
// from_utf8 into `out`, whose room is reused.
void from_utf8_into(std::string_view text, std::u16string& out);

}  // namespace kovari::text
