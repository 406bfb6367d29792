#include "decompose/normalize.h"

#include <gtest/gtest.h>

#include "test_tables.h"

namespace kovari::decompose {
namespace {

struct TextCase {
  std::u16string_view input;
  std::u16string_view expected;
};

TEST(StripBlanksTest, RemovesHalfWidthBlanksOnly) {
  const TextCase kCases[] = {
      {u"   ", u""},
      {u" 東京都 千代田区 ", u"東京都千代田区"},
      {u"a\tb", u"a\tb"},
      {u"全角\u3000空白", u"全角\u3000空白"},
  };
  for (const TextCase& c : kCases) {
    std::u16string text(c.input);
    strip_blanks(text);
    EXPECT_EQ(text, c.expected) << testing::utf8(c.input);
  }
}

TEST(ApplyCharPairsTest, ReplacesFirstOccurrenceOfEachPairInOrder) {
  postaldb::PostalTables tables;
  tables.chr_from = {u"", u"丸之内", u"x", u"ab", u"zz "};
  tables.chr_to = {u"", u"丸の内", u"ab", u"AB ", u" Q"};
  tables.chr_count = 4;
  const TextCase kCases[] = {
      // Only the first occurrence of a pair's text.
      {u"丸之内丸之内", u"丸の内丸之内"},
      // A later pair acts on the result of an earlier one; replacements are trimmed.
      {u"1x2", u"1AB2"},
      // The untrimmed "zz " is searched; its trimmed length is replaced.
      {u"zz 9", u"Q 9"},
      {u"zz", u"zz"},
      {u"", u""},
  };
  for (const TextCase& c : kCases) {
    std::u16string text(c.input);
    EXPECT_EQ(apply_char_pairs(text, tables), c.input != c.expected) << testing::utf8(c.input);
    EXPECT_EQ(text, c.expected) << testing::utf8(c.input);
  }
}

TEST(ApplyCharPairsTest, CountBeyondTheTableIsSkipped) {
  postaldb::PostalTables tables;
  tables.chr_from = {u"", u"a"};
  tables.chr_to = {u"", u"b"};
  tables.chr_count = 50;
  std::u16string text = u"aa";
  apply_char_pairs(text, tables);
  EXPECT_EQ(text, u"ba");
}

TEST(NormalizeKeTest, ChangesOneCharacter) {
  const TextCase kCases[] = {
      {u"霞ヶ関", u"霞ケ関"},
      {u"ヶヶ", u"ケヶ"},
      {u"ガヶ", u"ガケ"},  // ヶ first, ガ left alone
      {u"ガガ", u"がガ"},
      {u"東ンガ", u"東ンが"},  // a katakana before the one changed
      {u"ケガヶ", u"ケガケ"},
      {u"カヵケヷ", u"カヵケヷ"},  // neighbours of ガ and ヶ stay
      {u"ｶﾞ", u"ｶﾞ"},              // narrow ガ is two characters
      {u"", u""},
  };
  for (const TextCase& c : kCases) {
    std::u16string text(c.input);
    normalize_ke(text);
    EXPECT_EQ(text, c.expected) << testing::utf8(c.input);
  }
}

TEST(JoSenToKanjiTest, FirstNumberBecomesKanji) {
  struct Case {
    std::u16string_view input, expected;
    int added;
  };
  const Case kCases[] = {
      {u"北12条西", u"北十二条西", 0},
      {u"北21条", u"北二十一条", 1},
      {u"東3線", u"東三線", 0},
      {u"北１２条", u"北十二条", 0},  // full-width digits
      {u"北123条", u"北十二3条", 0},  // two digits at most
      {u"北75条", u"北条", -2},       // above 50: no numeral
      {u"北0条", u"北０条", 0},
      {u"北05条", u"北五条", 0},
      {u" 南 1条", u"南一条", 0},  // the head is trimmed
      {u"条", u"条", 0},
  };
  const postaldb::PostalTables tables = testing::make_test_tables();
  for (const Case& c : kCases) {
    std::u16string text(c.input);
    int added = 0;
    jo_sen_to_kanji(text, tables, added);
    EXPECT_EQ(text, c.expected) << testing::utf8(c.input);
    EXPECT_EQ(added, c.added) << testing::utf8(c.input);
  }
}

}  // namespace
}  // namespace kovari::decompose
