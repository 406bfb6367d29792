#include "text/sjis.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <optional>
#include <random>
#include <vector>

namespace kovari::text {
namespace {

std::string bytes_of(std::initializer_list<unsigned char> codes) {
  return std::string(codes.begin(), codes.end());
}

TEST(SjisTest, DecodesTheCharactersTheProgramDependsOn) {
  const struct {
    std::string bytes;
    std::u16string_view text;
  } kCases[] = {
      {"abc 123", u"abc 123"},
      {bytes_of({0x5C, 0x7E}), u"\\~"},
      {bytes_of({0x81, 0x60}), u"～"},  // U+FF5E, not the wave dash U+301C
      {bytes_of({0x81, 0x7C}), u"－"},  // U+FF0D, not the minus sign U+2212
      {bytes_of({0x81, 0x5F}), u"＼"},
      {bytes_of({0x81, 0x40}), u"\u3000"},
      {bytes_of({0xB1, 0xDE, 0xDF}), u"ｱﾞﾟ"},
      {bytes_of({0x93, 0x8C, 0x8B, 0x9E, 0x93, 0x73}), u"東京都"},
      {bytes_of({0x87, 0x40, 0xFA, 0x40}), u"①ⅰ"},
      {"", u""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(decode_sjis(c.bytes), std::u16string(c.text)) << to_utf8(c.text);
    EXPECT_EQ(encode_sjis(c.text), c.bytes) << to_utf8(c.text);
  }
}

TEST(SjisTest, ReportsWhereDecodingFails) {
  const struct {
    std::string bytes;
    std::size_t offset;
  } kCases[] = {
      {bytes_of({'a', 0x80}), 1},        {bytes_of({'a', 'b', 0xA0}), 2},
      {bytes_of({0x82, 0xA0, 0xFD}), 2}, {bytes_of({'x', 0x82}), 1},   // lead byte at the end
      {bytes_of({0x82, 0x20}), 0},       {bytes_of({0x85, 0x40}), 0},  // unassigned code
  };
  for (const auto& c : kCases) {
    std::size_t offset = 999;
    EXPECT_EQ(decode_sjis(c.bytes, offset), std::nullopt);
    EXPECT_EQ(offset, c.offset);
  }
}

TEST(SjisTest, ReportsWhereEncodingFails) {
  const struct {
    std::u16string_view text;
    std::size_t position;
  } kCases[] = {{u"abé", 2}, {u"東京😀", 2}, {u"ヷ", 0}, {u"a\xD800", 1}};
  for (const auto& c : kCases) {
    std::size_t position = 999;
    EXPECT_EQ(encode_sjis(c.text, position), std::nullopt);
    EXPECT_EQ(position, c.position) << to_utf8(c.text);
  }
}

// Every double-byte code iconv accepts encodes back to itself, except the
// codes CP932 defines twice (NEC and IBM extensions), which encode to the
// preferred code of the same character.
TEST(SjisTest, EveryDoubleByteCharacterRoundTrips) {
  int decoded = 0;
  int duplicates = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string bytes =
          bytes_of({static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)});
      const std::optional<std::u16string> text = decode_sjis(bytes);
      if (!text) continue;
      ++decoded;
      ASSERT_EQ(text->size(), 1u) << std::hex << lead << trail;
      const std::optional<std::string> encoded = encode_sjis(*text);
      ASSERT_TRUE(encoded.has_value()) << std::hex << lead << trail;
      if (*encoded == bytes) continue;
      ++duplicates;
      EXPECT_EQ(decode_sjis(*encoded), text) << std::hex << lead << trail;
    }
  }
  EXPECT_GT(decoded, 7000);
  EXPECT_LT(duplicates, 500);  // 398 with glibc 2.36
}

// The decoder's table against iconv itself: every sequence of one or two
// bytes decodes to what iconv makes of it, or fails where iconv fails.
TEST(SjisTest, EveryShortSequenceDecodesAsIconvDecodesIt) {
  const iconv_t cd = iconv_open("UTF-16LE", "CP932");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  auto by_iconv = [&](std::string bytes) -> std::optional<std::u16string> {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char16_t out[4] = {};
    char* in = bytes.data();
    std::size_t in_left = bytes.size();
    char* out_ptr = reinterpret_cast<char*>(out);
    std::size_t out_left = sizeof out;
    if (iconv(cd, &in, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      return std::nullopt;
    }
    return std::u16string(out, (sizeof out - out_left) / sizeof(char16_t));
  };
  int differences = 0;
  // The decoding table alone too, which decodes names straight into their text.
  auto put = [](const std::string& bytes) -> std::optional<std::u16string> {
    char16_t out[2];
    const char16_t* end = put_decoded_sjis(bytes, out);
    if (end == nullptr) return std::nullopt;
    return std::u16string(out, static_cast<std::size_t>(end - out));
  };
  auto check = [&](const std::string& bytes) {
    const std::optional<std::u16string> expected = by_iconv(bytes);
    if ((decode_sjis(bytes) == expected && put(bytes) == expected) || differences++ > 5) return;
    ADD_FAILURE() << std::hex << static_cast<int>(static_cast<unsigned char>(bytes[0])) << " "
                  << static_cast<int>(static_cast<unsigned char>(bytes.back()));
  };
  for (int first = 0x80; first <= 0xFF; ++first) {  // below 0x80 is ASCII
    const std::string one(1, static_cast<char>(first));
    check(one);
    for (int second = 0; second <= 0xFF; ++second) check(one + static_cast<char>(second));
  }
  iconv_close(cd);
  EXPECT_EQ(differences, 0);
}

// The same for encoding: every UTF-16 unit encodes as iconv encodes it.
TEST(SjisTest, EveryUnitEncodesAsIconvEncodesIt) {
  const iconv_t cd = iconv_open("CP932", "UTF-16LE");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int differences = 0;
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    const char16_t unit = static_cast<char16_t>(code);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in_bytes[2];
    std::memcpy(in_bytes, &unit, sizeof unit);
    char out[8];
    char* in = in_bytes;
    std::size_t in_left = sizeof in_bytes;
    char* out_ptr = out;
    std::size_t out_left = sizeof out;
    const bool ok = iconv(cd, &in, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1);
    const std::optional<std::string> expected =
        ok ? std::optional<std::string>(std::string(out, sizeof out - out_left)) : std::nullopt;
    if (encode_sjis(std::u16string(1, unit)) != expected && differences++ < 5) {
      ADD_FAILURE() << std::hex << code;
    }
  }
  iconv_close(cd);
  EXPECT_EQ(differences, 0);
}

TEST(SjisTest, SingleBytesRoundTrip) {
  for (int code = 0; code <= 0xDF; ++code) {
    if (code >= 0x80 && code <= 0xA0) continue;
    const std::string byte(1, static_cast<char>(code));
    const std::optional<std::u16string> text = decode_sjis(byte);
    ASSERT_TRUE(text.has_value()) << code;
    EXPECT_EQ(encode_sjis(*text), byte) << code;
  }
}

// Random bytes: a failure is reported at an offset before which everything
// decodes, and whatever decodes encodes back.
TEST(SjisTest, RandomBytesNeverCrashTheDecoder) {
  std::mt19937 random(932);
  std::uniform_int_distribution<int> length(0, 64);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 5000; ++round) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    std::size_t offset = 0;
    const std::optional<std::u16string> text = decode_sjis(bytes, offset);
    if (!text) {
      ASSERT_LT(offset, bytes.size());
      EXPECT_TRUE(decode_sjis(bytes.substr(0, offset)).has_value());
    } else {
      const std::optional<std::string> encoded = encode_sjis(*text);
      ASSERT_TRUE(encoded.has_value());
      EXPECT_EQ(decode_sjis(*encoded), text);
    }
  }
}

// The decoder takes ASCII eight bytes at a time: a two-byte character at any
// place of a run, and text appended after what a buffer holds, decode as the
// characters one by one do.
TEST(SjisTest, AppendsWhateverTheRunsOfAsciiAroundACharacter) {
  const std::string kanji = bytes_of({0x93, 0x8C});  // 東
  for (std::size_t before = 0; before <= 17; ++before) {
    for (const std::size_t after : {0, 1, 7, 8, 9}) {
      const std::string bytes = std::string(before, 'a') + kanji + std::string(after, '5');
      const std::u16string expected =
          std::u16string(before, u'a') + u"東" + std::u16string(after, u'5');
      std::u16string text = u"前";
      std::size_t bad = 0;
      ASSERT_TRUE(append_decoded_sjis(bytes, text, bad)) << before << " " << after;
      EXPECT_EQ(text, u"前" + expected) << before << " " << after;
      // Written into room for a unit per byte and no more.
      std::vector<char16_t> room(bytes.size());
      const char16_t* end = put_decoded_sjis(bytes, room.data());
      ASSERT_NE(end, nullptr);
      EXPECT_EQ(std::u16string_view(room.data(), static_cast<std::size_t>(end - room.data())),
                expected)
          << before << " " << after;
      std::string encoded = "x";
      ASSERT_TRUE(append_sjis(encoded, expected, bad));
      EXPECT_EQ(encoded, "x" + bytes);
    }
  }
}

// A failed append leaves the buffer as it was and says where the text went
// wrong, also past a run of ASCII.
TEST(SjisTest, AFailedAppendLeavesTheBufferAsItWas) {
  std::u16string text = u"前";
  std::size_t bad = 0;
  const std::string bytes = std::string(9, 'a') + bytes_of({0x93, 0x8C, 0x85, 0x40});
  EXPECT_FALSE(append_decoded_sjis(bytes, text, bad));
  EXPECT_EQ(text, u"前");
  EXPECT_EQ(bad, 11u);
  std::string encoded = "x";
  EXPECT_FALSE(append_sjis(encoded, std::u16string(9, u'a') + u"東\U0001F600", bad));
  EXPECT_EQ(encoded, "x");
  EXPECT_EQ(bad, 10u);
}

TEST(Utf8Test, ConvertsBothWaysAndReplacesInvalidInput) {
  EXPECT_EQ(from_utf8("東京都 abc"), u"東京都 abc");
  EXPECT_EQ(to_utf8(u"東京都 abc"), "東京都 abc");
  EXPECT_EQ(from_utf8("𠮷"), u"𠮷");
  EXPECT_EQ(to_utf8(u"𠮷"), "𠮷");
  EXPECT_EQ(from_utf8("a\xFF"
                      "b"),
            u"a\uFFFDb");
  EXPECT_EQ(from_utf8("\xE6\x9D"), u"\uFFFD\uFFFD");            // cut short
  EXPECT_EQ(from_utf8("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong "/"
  EXPECT_EQ(from_utf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(to_utf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(from_utf8("\xE0\x80\xAF"), u"\uFFFD\uFFFD\uFFFD");  // overlong "/"
  EXPECT_EQ(from_utf8("\xE6\x9D"
                      "A"),
            u"\uFFFD\uFFFDA");  // cut by a letter
  EXPECT_EQ(from_utf8("\xE6\x9D\x80"), u"\u6740");
}

TEST(Utf8Test, EveryCharacterOfTheBasicPlaneRoundTrips) {
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::u16string unit(1, static_cast<char16_t>(c));
    ASSERT_EQ(from_utf8(to_utf8(unit)), unit) << std::hex << static_cast<unsigned>(c);
  }
}

// The conversions into a buffer that holds text already: from_utf8_into
// replaces it (whatever room it had), append_utf8 adds to it.
TEST(Utf8Test, ConvertsIntoABufferThatHoldsText) {
  std::u16string units = u"a much longer text than the next one";
  from_utf8_into("𠮷東a\xFF", units);
  EXPECT_EQ(units, u"𠮷東a\uFFFD");
  from_utf8_into("", units);
  EXPECT_EQ(units, u"");
  std::string bytes = "前";
  append_utf8(bytes, u"𠮷東a" + std::u16string(1, char16_t{0xDC00}));
  EXPECT_EQ(bytes, "前𠮷東a\xEF\xBF\xBD");
}

// put_utf8 writes into exactly the room utf8_room promises (the sanitizers
// see a byte beyond it) whatever the text's characters take.
TEST(Utf8Test, WritesWithinTheRoomItPromises) {
  const struct {
    std::u16string text;
    std::string_view bytes;
  } kCases[] = {
      {u"", ""},
      {u"a", "a"},
      {u"東", "東"},
      {u"é", "é"},
      {u"𠮷", "𠮷"},
      {std::u16string(1, char16_t{0xD800}), "\xEF\xBF\xBD"},  // a lone surrogate
      {u"東京都港区", "東京都港区"},
      {u"0600007,東", "0600007,東"},
  };
  for (const auto& c : kCases) {
    std::vector<char> room(utf8_room(c.text.size()));
    const char* end = put_utf8(room.data(), c.text);
    EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())), c.bytes)
        << c.bytes;
  }
}

// A surrogate pair, a three-byte character or a letter, wherever it falls in
// a long text.
TEST(Utf8Test, LongTextsConvertWhereverTheirCharactersFall) {
  for (std::size_t lead = 0; lead < 4; ++lead) {
    std::u16string text(lead, u'a');
    std::string expected(lead, 'a');
    for (int i = 0; i < 300; ++i) {
      text += i % 3 == 0 ? u"𠮷" : i % 3 == 1 ? u"東" : u"b";
      expected += i % 3 == 0 ? "𠮷" : i % 3 == 1 ? "東" : "b";
    }
    std::string bytes = "x";
    append_utf8(bytes, text);
    EXPECT_EQ(bytes, "x" + expected) << lead;
    EXPECT_EQ(from_utf8(expected), text) << lead;
  }
}

}  // namespace
}  // namespace kovari::text
