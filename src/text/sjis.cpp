#include "text/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>

namespace kovari::text {
namespace {

constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One conversion descriptor, opened once per thread and direction.
class IconvDescriptor {
 public:
  IconvDescriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvDescriptor() {
    if (is_open()) iconv_close(cd_);
  }
  IconvDescriptor(const IconvDescriptor&) = delete;
  IconvDescriptor& operator=(const IconvDescriptor&) = delete;

  bool is_open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of in into out, which must be large enough for the whole
  // result. Returns the number of bytes written, or std::nullopt with
  // failed_at set to the number of input bytes converted before the failure.
  std::optional<std::size_t> convert(std::string_view in, char* out, std::size_t out_size,
                                     std::size_t& failed_at) {
    if (!is_open()) {
      failed_at = 0;
      return std::nullopt;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    char* in_ptr = const_cast<char*>(in.data());
    std::size_t in_left = in.size();
    char* out_ptr = out;
    std::size_t out_left = out_size;
    if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      failed_at = in.size() - in_left;
      return std::nullopt;
    }
    return out_size - out_left;
  }

 private:
  iconv_t cd_;
};

bool is_ascii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

// The number of CP932 characters of valid text: a lead byte (0x81-0x9F,
// 0xE0-0xFC) and the byte after it make one character, any other byte one.
std::size_t character_count(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++count) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    i += (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) ? 2 : 1;
  }
  return count;
}

}  // namespace

std::optional<std::u16string> decode_sjis(std::string_view bytes, std::size_t& error_offset) {
  if (is_ascii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  thread_local IconvDescriptor decoder(kUtf16, kCp932);
  // Every CP932 character, one byte or two, is one UTF-16 code unit: the text
  // takes no more room than it needs (an input file may be large). Invalid
  // text fails where it goes wrong, before the room runs out.
  std::u16string text(character_count(bytes), u'\0');
  const std::optional<std::size_t> written = decoder.convert(
      bytes, reinterpret_cast<char*>(text.data()), text.size() * sizeof(char16_t), error_offset);
  if (!written) return std::nullopt;
  text.resize(*written / sizeof(char16_t));
  return text;
}

std::optional<std::u16string> decode_sjis(std::string_view bytes) {
  std::size_t ignored = 0;
  return decode_sjis(bytes, ignored);
}

std::optional<std::string> encode_sjis(std::u16string_view text, std::size_t& error_position) {
  thread_local IconvDescriptor encoder(kCp932, kUtf16);
  // Every code unit becomes at most two bytes.
  std::string bytes(text.size() * 2, '\0');
  const std::string_view units(reinterpret_cast<const char*>(text.data()),
                               text.size() * sizeof(char16_t));
  std::size_t failed_at = 0;
  const std::optional<std::size_t> written =
      encoder.convert(units, bytes.data(), bytes.size(), failed_at);
  if (!written) {
    error_position = failed_at / sizeof(char16_t);
    return std::nullopt;
  }
  bytes.resize(*written);
  return bytes;
}

std::optional<std::string> encode_sjis(std::u16string_view text) {
  std::size_t ignored = 0;
  return encode_sjis(text, ignored);
}

}  // namespace kovari::text
