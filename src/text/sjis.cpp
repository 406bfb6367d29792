#include "text/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

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

// The number of CP932 characters of valid text: a lead byte and the byte
// after it make one character, any other byte one.
std::size_t character_count(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++count) {
    i += is_sjis_lead_byte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
  }
  return count;
}

// The UTF-16 unit of every CP932 character, one byte or two, taken from iconv
// once per process: decoding a name is then one look-up per character
// instead of a pass through iconv's converters.
class Cp932Table {
 public:
  static constexpr char16_t kNone = 0xFFFF;  // no character: a lead byte, or undecodable

  Cp932Table() {
    IconvDescriptor decoder(kUtf16, kCp932);
    units_.fill(kNone);
    std::vector<unsigned> leads;
    for (unsigned byte = 0; byte < 0x100; ++byte) {
      const char in = static_cast<char>(byte);
      errno = 0;
      if (!decode_one(decoder, std::string_view(&in, 1), units_[byte]) && errno == EINVAL) {
        leads.push_back(byte);  // incomplete alone: it begins a two-byte character
      }
    }
    for (const unsigned lead : leads) decode_row(decoder, lead);
  }

  // The character of a single byte (0x00..0xFF) or a two-byte sequence
  // (lead * 256 + trail); kNone when there is none.
  char16_t unit(unsigned sequence) const { return units_[sequence]; }

  // The whole of `bytes` written at `out`, which has room for a unit per
  // byte: the end of what it wrote, or nullptr when some character is not in
  // the table.
  char16_t* put(std::string_view bytes, char16_t* out) const {
    const bool whole = walk(
        bytes, [&out](const unsigned char* ascii) { out = std::copy(ascii, ascii + 8, out); },
        [&out](char16_t unit) { *out++ = unit; });
    return whole ? out : nullptr;
  }

  // Whether every character of `bytes` is in the table.
  bool holds(std::string_view bytes) const {
    return walk(
        bytes, [](const unsigned char*) {}, [](char16_t) {});
  }

 private:
  // Hands each character of `bytes` on, eight ASCII bytes at a time to
  // `ascii` (ASCII decodes to itself: the digits, commas and line ends of a
  // batch file), any other as its unit to `put`; false at the first that is
  // not in the table.
  template <class Ascii, class Put>
  bool walk(std::string_view bytes, const Ascii& ascii, const Put& put) const {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = in + bytes.size();
    while (in != end) {
      if (*in >= 0x80) {
        // A two-byte character (most of a name) is one look-up: only a lead
        // byte has characters at lead * 256 + trail.
        if (in + 1 != end) {
          const char16_t pair = units_[static_cast<unsigned>(in[0]) << 8 | in[1]];
          if (pair != kNone) {
            put(pair);
            in += 2;
            continue;
          }
        }
      } else if (end - in >= 8 && eight_ascii(in)) {
        ascii(in);
        in += 8;
        continue;
      }
      const char16_t unit = units_[*in++];
      if (unit == kNone) return false;
      put(unit);
    }
    return true;
  }

  static bool eight_ascii(const unsigned char* in) {
    std::uint64_t block = 0;
    std::memcpy(&block, in, 8);
    return (block & 0x8080808080808080) == 0;
  }

  // One character into `unit`; false (errno from iconv) when `in` is not
  // exactly one character.
  static bool decode_one(IconvDescriptor& decoder, std::string_view in, char16_t& unit) {
    char16_t out[2];
    std::size_t failed_at = 0;
    const std::optional<std::size_t> written =
        decoder.convert(in, reinterpret_cast<char*>(out), sizeof out, failed_at);
    if (!written || *written != sizeof(char16_t)) return false;
    unit = out[0];
    return true;
  }

  // The two-byte characters of one lead byte, all trail bytes in one pass:
  // iconv stops at each pair it cannot decode, which stays kNone.
  void decode_row(IconvDescriptor& decoder, unsigned lead) {
    constexpr unsigned kFirstTrail = 0x40;  // below it and above kLastTrail no pair decodes
    constexpr unsigned kLastTrail = 0xFC;
    constexpr std::size_t kPairs = kLastTrail - kFirstTrail + 1;
    std::string row;
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      row.push_back(static_cast<char>(lead));
      row.push_back(static_cast<char>(trail));
    }
    std::array<char16_t, kPairs> out{};
    for (std::size_t from = 0; from < kPairs;) {
      std::size_t failed_at = 0;
      const std::optional<std::size_t> written =
          decoder.convert(std::string_view(row).substr(2 * from),
                          reinterpret_cast<char*>(out.data()), sizeof out, failed_at);
      const std::size_t decoded = written ? *written / sizeof(char16_t) : failed_at / 2;
      for (std::size_t k = 0; k < decoded; ++k) {
        units_[lead << 8 | (kFirstTrail + static_cast<unsigned>(from + k))] = out[k];
      }
      from += decoded + 1;  // past the pair that stopped iconv
    }
  }

  // Single bytes at 0x00..0xFF, two-byte characters at lead * 256 + trail.
  std::array<char16_t, 0x10000> units_;
};

const Cp932Table& cp932_table() {
  static const Cp932Table table;
  return table;
}

// The CP932 bytes of every character the decoding table holds, as iconv
// encodes it (a character with two codes gets the one iconv prefers).
// Characters outside the table are left to iconv.
class Cp932Encoding {
 public:
  static constexpr std::uint16_t kNone = 0xFFFF;  // not in the table

  explicit Cp932Encoding(const Cp932Table& decoding) {
    IconvDescriptor encoder(kCp932, kUtf16);
    sequences_.fill(kNone);
    for (unsigned sequence = 0; sequence < 0x10000; ++sequence) {
      const char16_t unit = decoding.unit(sequence);
      if (unit == Cp932Table::kNone || sequences_[unit] != kNone) continue;
      unsigned char out[2];
      std::size_t failed_at = 0;
      const std::optional<std::size_t> written =
          encoder.convert(std::string_view(reinterpret_cast<const char*>(&unit), sizeof unit),
                          reinterpret_cast<char*>(out), sizeof out, failed_at);
      if (!written) continue;
      sequences_[unit] = static_cast<std::uint16_t>(*written == 1 ? out[0] : out[0] << 8 | out[1]);
    }
  }

  // The whole of `text` appended to `bytes`; false, with `bytes` as it was,
  // when some character is not in the table.
  bool append(std::u16string_view text, std::string& bytes) const {
    const std::size_t kept = bytes.size();
    bytes.resize(kept + text.size() * 2);
    char* out = bytes.data() + kept;
    for (const char16_t unit : text) {
      const std::uint16_t sequence = sequences_[unit];
      if (sequence == kNone) {
        bytes.resize(kept);
        return false;
      }
      if (sequence > 0xFF) *out++ = static_cast<char>(sequence >> 8);
      *out++ = static_cast<char>(sequence & 0xFF);
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return true;
  }

 private:
  // One byte (0x00..0xFF) or lead * 256 + trail, for each UTF-16 unit.
  std::array<std::uint16_t, 0x10000> sequences_;
};

const Cp932Encoding& cp932_encoding() {
  static const Cp932Encoding encoding(cp932_table());
  return encoding;
}

}  // namespace

char16_t* put_decoded_sjis(std::string_view bytes, char16_t* out) {
  return cp932_table().put(bytes, out);
}

bool append_decoded_sjis(std::string_view bytes, std::u16string& text, std::size_t& error_offset) {
  const std::size_t kept = text.size();
  // Every character takes at least one byte: room enough without counting.
  text.resize(kept + bytes.size());
  if (const char16_t* end = put_decoded_sjis(bytes, text.data() + kept)) {
    text.resize(static_cast<std::size_t>(end - text.data()));
    return true;
  }
  // iconv says where the bytes go wrong.
  thread_local IconvDescriptor decoder(kUtf16, kCp932);
  // Every CP932 character, one byte or two, is one UTF-16 code unit: the text
  // takes no more room than it needs (an input file may be large). Invalid
  // text fails where it goes wrong, before the room runs out.
  const std::size_t count = character_count(bytes);
  text.resize(kept + count);
  const std::optional<std::size_t> written = decoder.convert(
      bytes, reinterpret_cast<char*>(text.data() + kept), count * sizeof(char16_t), error_offset);
  text.resize(written ? kept + *written / sizeof(char16_t) : kept);
  return written.has_value();
}

bool check_sjis(std::string_view bytes, std::size_t& error_offset) {
  if (cp932_table().holds(bytes)) return true;
  // The decoding says where the bytes go wrong.
  std::u16string unused;
  return append_decoded_sjis(bytes, unused, error_offset);
}

std::optional<std::u16string> decode_sjis(std::string_view bytes, std::size_t& error_offset) {
  std::u16string text;
  if (!append_decoded_sjis(bytes, text, error_offset)) return std::nullopt;
  return text;
}

std::optional<std::u16string> decode_sjis(std::string_view bytes) {
  std::size_t ignored = 0;
  return decode_sjis(bytes, ignored);
}

bool append_sjis(std::string& bytes, std::u16string_view text, std::size_t& error_position) {
  const std::size_t kept = bytes.size();
  if (cp932_encoding().append(text, bytes)) return true;
  // iconv says where the text goes wrong, or encodes what the table leaves out.
  thread_local IconvDescriptor encoder(kCp932, kUtf16);
  // Every code unit becomes at most two bytes.
  bytes.resize(kept + text.size() * 2);
  const std::string_view units(reinterpret_cast<const char*>(text.data()),
                               text.size() * sizeof(char16_t));
  std::size_t failed_at = 0;
  const std::optional<std::size_t> written =
      encoder.convert(units, bytes.data() + kept, text.size() * 2, failed_at);
  bytes.resize(written ? kept + *written : kept);
  if (!written) error_position = failed_at / sizeof(char16_t);
  return written.has_value();
}

std::optional<std::string> encode_sjis(std::u16string_view text, std::size_t& error_position) {
  std::string bytes;
  if (!append_sjis(bytes, text, error_position)) return std::nullopt;
  return bytes;
}

std::optional<std::string> encode_sjis(std::u16string_view text) {
  std::size_t ignored = 0;
  return encode_sjis(text, ignored);
}

}  // namespace kovari::text
