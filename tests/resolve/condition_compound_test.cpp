#include "resolve/condition_compound.h"

#include <gtest/gtest.h>

#include <string>

#include "text/sjis.h"

namespace kovari::resolve {
namespace {

ConditionAddress numbers(double p5, double p6, double p7) {
  ConditionAddress a;
  a.p5 = p5;
  a.p6 = p6;
  a.p7 = p7;
  return a;
}

CompoundVerdict verdict(std::u16string c, double p5, double p6, double p7) {
  const ConditionMarks m = find_block_marks(c, false);
  return match_compound_condition(c, m, numbers(p5, p6, p7));
}

constexpr auto kMatch = CompoundVerdict::kMatch;
constexpr auto kMismatch = CompoundVerdict::kMismatch;
constexpr auto kNone = CompoundVerdict::kNotApplicable;

TEST(ConditionCompoundTest, EachShapeAdmitsItsNumbersAndRefusesTheOthers) {
  struct Case {
    const char16_t* condition;
    double p5, p6, p7;
    CompoundVerdict expected;
  } const kCases[] = {
      // A: a-b~d-e, on the 番地/号 level and one level up.
      {u"1-2~3-4", 0, 2, 0, kMatch},
      {u"1-2~3-4", 0, 1, 5, kMatch},
      {u"1-2~3-4", 0, 1, 1, kMismatch},
      {u"1-2~3-4", 0, 3, 4, kMatch},
      {u"1-2~3-4", 0, 3, 5, kMismatch},
      {u"1-2~3-4", 1, 3, 0, kMatch},
      {u"5-1~5-9", 0, 5, 3, kMatch},
      {u"5-1~5-9", 0, 5, 10, kMismatch},
      // B: a-b-d.
      {u"1-2-3", 1, 2, 3, kMatch},
      {u"1-2-3", 1, 2, 4, kMismatch},
      // C: a~d-e.
      {u"1~5-3", 0, 4, 0, kMatch},
      {u"1~5-3", 0, 5, 3, kMatch},
      {u"1~5-3", 0, 5, 4, kMismatch},
      {u"1~5-3", 5, 2, 0, kMatch},
      // D: a-b~e.
      {u"5-1~9", 0, 5, 9, kMatch},
      {u"5-1~9", 0, 5, 10, kMismatch},
      {u"5-1~9", 5, 3, 0, kMatch},
      // E: g丁目a~e (the 番 is supplied), also with 地割.
      {u"3丁目1~8", 3, 8, 0, kMatch},
      {u"3丁目1~8", 3, 9, 0, kMismatch},
      {u"3丁目1~8", 2, 5, 0, kMismatch},
      {u"3地割1~5", 3, 4, 0, kMatch},
      // F: g丁目a-b.
      {u"3丁目5-2", 3, 5, 2, kMatch},
      {u"3丁目5-2", 3, 5, 3, kMismatch},
      // G: g丁目a-b~d-e.
      {u"2丁目5-1~7-3", 2, 6, 0, kMatch},
      {u"2丁目5-1~7-3", 2, 7, 3, kMatch},
      {u"2丁目5-1~7-3", 2, 7, 4, kMismatch},
      {u"2丁目5-1~7-3", 1, 6, 0, kMismatch},
      // H: g丁目a-b~e.
      {u"2丁目5-1~9", 2, 5, 9, kMatch},
      {u"2丁目5-1~9", 2, 5, 10, kMismatch},
      // Not combined shapes: left to the later steps.
      {u"12番地", 0, 12, 0, kNone},
      {u"南", 0, 0, 0, kNone},
      {u"1~5", 0, 3, 0, kNone},
      {u"1~5丁目", 3, 0, 0, kNone},
      {u"2丁目5~3-1", 2, 5, 1, kNone},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(verdict(c.condition, c.p5, c.p6, c.p7), c.expected)
        << text::to_utf8(c.condition) << " with " << c.p5 << "/" << c.p6 << "/" << c.p7;
  }
}

TEST(ConditionCompoundTest, BlockMarksSupplyTheBanAfterAChomeNumber) {
  struct Case {
    const char16_t* condition;
    bool kyoto_mode;
    const char16_t* text_after;
    int chome, banchi;
  } const kCases[] = {
      {u"3丁目5~8", false, u"3丁目5~8番", 2, 7},   {u"1丁目5", false, u"1丁目5", 2, 5},
      {u"23番地以上", false, u"23番地以上", 0, 3}, {u"番地", false, u"番地", 0, 0},
      {u"3丁目", false, u"3丁目", 2, 0},           {u"3丁目", true, u"3丁目", 0, 0},
      {u"第5地割", false, u"第5地割", 3, 0},
  };
  for (const Case& c : kCases) {
    std::u16string condition = c.condition;
    const ConditionMarks m = find_block_marks(condition, c.kyoto_mode);
    EXPECT_EQ(condition, c.text_after) << text::to_utf8(c.condition);
    EXPECT_EQ(m.chome, c.chome) << text::to_utf8(c.condition);
    EXPECT_EQ(m.banchi, c.banchi) << text::to_utf8(c.condition);
  }
}

TEST(ConditionCompoundTest, OtherMarksCountOnlyAfterADigit) {
  struct Case {
    const char16_t* condition;
    int go, floor, tilde, chome;
  } const kCases[] = {
      {u"5号", 2, 0, 0, 0},  {u"A号", 0, 0, 0, 0},
      {u"10階", 0, 3, 0, 0}, {u"地階・階層不明", 0, 0, 0, 0},
      {u"1~", 0, 0, 0, 0},   {u"丁目", 0, 0, 0, 0},
  };
  for (const Case& c : kCases) {
    std::u16string condition = c.condition;
    ConditionMarks m = find_block_marks(condition, false);
    find_other_marks(condition, m);
    EXPECT_EQ(m.go, c.go) << text::to_utf8(c.condition);
    EXPECT_EQ(m.floor, c.floor) << text::to_utf8(c.condition);
    EXPECT_EQ(m.tilde, c.tilde) << text::to_utf8(c.condition);
    EXPECT_EQ(m.chome, c.chome) << text::to_utf8(c.condition);
  }
}

}  // namespace
}  // namespace kovari::resolve
