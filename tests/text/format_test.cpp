#include "text/format.h"

#include <gtest/gtest.h>

#include <array>

#include "text/sjis.h"

namespace kovari::text {
namespace {

constexpr std::array<std::u16string_view, 8> kPatterns = {
    u"0000000", u"000-0000", u"##,##0", u"#,###", u"###", u"###0", u"00", u"0"};

TEST(FormatTest, PatternsOfTheProgram) {
  const struct {
    double value;
    std::array<std::u16string_view, 8> expected;
  } kCases[] = {
      {0, {u"0000000", u"000-0000", u"0", u"", u"", u"0", u"00", u"0"}},
      {5, {u"0000005", u"000-0005", u"5", u"5", u"5", u"5", u"05", u"5"}},
      {1234, {u"0001234", u"000-1234", u"1,234", u"1,234", u"1234", u"1234", u"1234", u"1234"}},
      {1234567,
       {u"1234567", u"123-4567", u"1,234,567", u"1,234,567", u"1234567", u"1234567", u"1234567",
        u"1234567"}},
      {12345678,
       {u"12345678", u"1234-5678", u"12,345,678", u"12,345,678", u"12345678", u"12345678",
        u"12345678", u"12345678"}},
      {-5, {u"-0000005", u"-000-0005", u"-5", u"-5", u"-5", u"-5", u"-05", u"-5"}},
      {-1234567,
       {u"-1234567", u"-123-4567", u"-1,234,567", u"-1,234,567", u"-1234567", u"-1234567",
        u"-1234567", u"-1234567"}},
      {2.5, {u"0000003", u"000-0003", u"3", u"3", u"3", u"3", u"03", u"3"}},
      {0.4, {u"0000000", u"000-0000", u"0", u"", u"", u"0", u"00", u"0"}},
  };
  for (const auto& c : kCases) {
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
      EXPECT_EQ(Format(c.value, kPatterns[i]), c.expected[i])
          << c.value << " with " << to_utf8(kPatterns[i]);
    }
  }
}

TEST(FormatTest, RoundingDecimalsAndLiterals) {
  const struct {
    double value;
    std::u16string_view pattern, expected;
  } kCases[] = {
      {-0.4, u"0", u"-0"},
      {0.5, u"0", u"1"},
      {1.5, u"0", u"2"},
      {-2.5, u"0", u"-3"},
      {1.005, u"0.00", u"1.00"},
      {0.075, u"0.00", u"0.07"},
      {9.999, u"0.00", u"10.00"},
      {5459.4, u"##,##0.00", u"5,459.40"},
      {334.9, u"###0.00", u"334.90"},
      {1.5, u"0.##", u"1.5"},
      {0.5, u".00", u".50"},
      {1234567, u"#,##0,", u"1,235"},
      {5, u"0,000", u"0,005"},
      {5, u"\\#0\"件\"", u"#5件"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " with " << to_utf8(c.pattern);
  }
  EXPECT_EQ(Format(4.1e123, u"0"), u"41" + std::u16string(122, u'0'));
}

TEST(FormatTest, NumericTextsAreFormattedOthersComeBackUnchanged) {
  const struct {
    std::u16string_view value, pattern, expected;
  } kCases[] = {
      {u"0123456", u"000-0000", u"012-3456"},
      {u"1000001", u"000-0000", u"100-0001"},
      {u"0000000", u"000-0000", u"000-0000"},
      {u"12345678", u"000-0000", u"1234-5678"},
      {u" 123 ", u"000-0000", u"000-0123"},
      {u"1,000", u"000-0000", u"000-1000"},
      {u"１２３", u"000-0000", u"000-0123"},
      {u"1E3", u"000-0000", u"000-1000"},
      {u"abc", u"000-0000", u"abc"},
      {u"", u"000-0000", u""},
      {u"1E1", u"000", u"010"},
      {u"4E3", u"000", u"4000"},
      {u"123-4567", u"000-0000", u"123-4567"},
  };

  for (const auto& c : kCases)
    EXPECT_EQ(Format(c.value, c.pattern), c.expected) << to_utf8(c.value);
  EXPECT_EQ(Format(u"0410d122", u"0000000000"), u"41" + std::u16string(123, u'0'));
}

}  // namespace
}  // namespace kovari::text
