#include <gtest/gtest.h>

#include <optional>

#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::text {
namespace {

TEST(ValTest, ReadsTheLeadingNumber) {
  const struct {
    std::u16string_view s;
    double expected;
  } kCases[] = {
      {u"2457", 2457},
      {u" 2 45 7", 2457},
      {u"24 and 57", 24},
      {u"    1615 198th Street N.E.", 1615198},
      {u"1 2 3", 123},
      {u"1\t2", 12},
      {u"1\n2", 12},
      {u"1\r2", 1},
      {u"-12.5", -12.5},
      {u"+5", 5},
      {u"- 5", -5},
      {u"--5", 0},
      {u".5", 0.5},
      {u"5.", 5},
      {u"1.2.3", 1.2},
      {u"", 0},
      {u"abc", 0},
      {u"-", 0},
      {u".", 0},
      {u"12-", 12},
      {u"(12)", 0},
      {u"12abc", 12},
      {u"1e3", 1000},
      {u"1E+3", 1000},
      {u"1e-3", 0.001},
      {u"1d3", 1000},
      {u"1e", 1},
      {u"3丁目", 3},
      {u"1,000", 1},
      {u"$5", 0},
      {u"\\5", 0},
      {u"１２３", 0},
      {u"\u300012", 0},
      {u"50%", 50},
      {u"12345678901234567890", 12345678901234567890.0},
      {u"1e-400", 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(Val(c.s), c.expected) << to_utf8(c.s);
}

TEST(ValTest, OverflowIsReported) {
  EXPECT_EQ(try_val(u"1e400"), std::nullopt);
  EXPECT_EQ(Val(u"1e400"), 0);
  EXPECT_EQ(try_val(u"-1e99999999999999"), std::nullopt);
}

TEST(IsNumericTest, AcceptsWhatTheGeneralNumericTestAccepts) {
  const struct {
    std::u16string_view s;
    bool expected;
  } kCases[] = {
      {u"53", true},         {u"459.95", true},      {u"45 Help", false},
      {u"1,000", true},      {u"\\12,345", true},    {u"1,00,0", true},
      {u" 12 ", true},       {u"1 2", false},        {u"１２", true},
      {u"１２３４５", true}, {u"一二三", false},     {u"+5", true},
      {u"-5", true},         {u"- 123", true},       {u"123-", true},
      {u"12-", true},        {u"(12)", true},        {u"-", false},
      {u"+", false},         {u".", false},          {u"1.2.3", false},
      {u"1e5", true},        {u"10e8", true},        {u"123E-3", true},
      {u"1d5", true},        {u"1e", false},         {u"&H10", true},
      {u"&O17", true},       {u"&H", false},         {u"\u00A55", true},
      {u"$5", false},        {u"1%", false},         {u"", false},
      {u"   ", false},       {u"2015/09/16", false}, {u"True", false},
      {u"\t12", true},       {u"１２３円", false},   {u"\u3000１２\u3000", true},
      {u"-5-", false},       {u"(-5)", false},       {u"(5", false},
      {u",5", false},        {u"&HO17", false},      {u"0001234", true},
      {u"123-4567", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsNumeric(c.s), c.expected) << to_utf8(c.s);
}

TEST(IsNumericTest, ParsedValues) {
  const struct {
    std::u16string_view s;
    double expected;
  } kCases[] = {
      {u"1,000", 1000},    {u"１２３", 123}, {u"123-", -123},      {u"(12)", -12},
      {u"1E3", 1000},      {u"&H10", 16},    {u"&h1f", 31},        {u"&HFFFF", -1},
      {u"&H10000", 65536}, {u"&O17", 15},    {u"\\12,345", 12345},
  };
  for (const auto& c : kCases) EXPECT_EQ(parse_numeric(c.s), c.expected) << to_utf8(c.s);
}

}  // namespace
}  // namespace kovari::text
