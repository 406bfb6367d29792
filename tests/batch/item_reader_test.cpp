#include "batch/item_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::batch {
namespace {

std::vector<std::u16string> all_items(std::u16string_view text) {
  std::vector<std::u16string> items;
  ItemReader reader(text);
  while (!reader.at_end()) items.emplace_back(reader.read_item());
  return items;
}

// The items counted whole, and counted a unit at a time (every cut a piece
// can have): different counts give -1.
long items_in(std::u16string_view text) {
  ItemCounter by_unit;
  for (std::size_t i = 0; i < text.size(); ++i) by_unit.add(text.substr(i, 1));
  const long whole = count_items(text);
  return by_unit.count() == whole ? whole : -1;
}

using Items = std::vector<std::u16string>;

TEST(BatchItemReaderTest, ReadsItemsByTheFileRules) {
  const struct {
    std::u16string_view text;
    Items items;
  } cases[] = {
      {u"a,b,c", {u"a", u"b", u"c"}},
      {u"a,b,c\r\n", {u"a", u"b", u"c"}},
      // Reading goes on across line ends of every kind.
      {u"a,b\r\nc,d\ne,f\rg", {u"a", u"b", u"c", u"d", u"e", u"f", u"g"}},
      // Blanks and tabs in front are skipped, trailing blanks removed, inner ones kept.
      {u"  a b  ,\tc\t, d", {u"a b", u"c\t", u"d"}},
      // Quoted items keep commas, blanks and line ends; the rest up to the separator goes.
      {u"\"東京都,千代田区\",x", {u"東京都,千代田区", u"x"}},
      {u"\" a \" ,b", {u" a ", u"b"}},
      {u"\"a\"junk,b", {u"a", u"b"}},
      {u"\"a\r\nb\",c", {u"a\r\nb", u"c"}},
      {u"\"a\"\"b\",c", {u"a", u"c"}},
      // An unclosed quote runs to the end of the text.
      {u"x,\"abc, def\r\n", {u"x", u"abc, def"}},
      // Two separators in a row give an empty item.
      {u"a,,b", {u"a", u"", u"b"}},
      {u",a", {u"", u"a"}},
      {u"a,\r\nb", {u"a", u"", u"b"}},
      {u"a\r\n\r\nb", {u"a", u"", u"b"}},
      {u"a\r\rb", {u"a", u"", u"b"}},
      {u"a\r\n\nb", {u"a", u"", u"b"}},
      {u" \t", {u""}},
      {u"a,", {u"a"}},
      {u"a,b,\r\n", {u"a", u"b", u""}},
      {u"", {}},
      {u"\r\n", {u""}},
      {u"１２３,住所", {u"１２３", u"住所"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(all_items(c.text), c.items) << text::to_utf8(c.text);
    EXPECT_EQ(items_in(c.text), static_cast<long>(c.items.size())) << text::to_utf8(c.text);
  }
}

TEST(BatchItemReaderTest, BlankLinesAtTheEndHoldNoRecord) {
  const struct {
    std::u16string_view text, records;
  } cases[] = {
      {u"x,1\r\ny,2\r\n\r\n", u"x,1\r\ny,2"},
      {u"x,1\ny,2\n", u"x,1\ny,2"},
      {u"x,1\r\r \t\r\n\n", u"x,1"},
      // Blank lines before the last record keep their place.
      {u"x,1\r\n\r\ny,2\r\n", u"x,1\r\n\r\ny,2"},
      {u"x,1", u"x,1"},
      // A quoted item may hold the line ends.
      {u"\"a\r\n\r\n\"", u"\"a\r\n\r\n\""},
      {u"\r\n \r\n", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(records_text(c.text), c.records) << text::to_utf8(c.text);
  }
  EXPECT_EQ(items_in(records_text(u"x,1000001\r\ny,1000014\r\n\r\n")), 4);
}

TEST(BatchItemReaderTest, ReadsWholeLines) {
  ItemReader reader(u"a,b\r\nc\n\nd\re");
  Items lines;
  while (!reader.at_end()) lines.emplace_back(reader.read_line());
  EXPECT_EQ(lines, (Items{u"a,b", u"c", u"", u"d", u"e"}));
}

TEST(BatchItemReaderTest, RecordByCountSpansLines) {
  ItemReader reader(u"1,a\r\n,b\r\n2,c\r\n,d\r\n");
  RecordBuffer rec;
  read_record(reader, 3, rec);
  EXPECT_EQ((Items{rec[1], rec[2], rec[3]}), (Items{u"1", u"a", u""}));
  read_record(reader, 3, rec);
  EXPECT_EQ((Items{rec[1], rec[2], rec[3]}), (Items{u"b", u"2", u"c"}));
}

TEST(BatchItemReaderTest, SplitsALineAsTheWorkCopyDoes) {
  const struct {
    std::u16string_view line;
    int max_items;
    int count;
    Items stored;
  } cases[] = {
      {u"a,b,c", 100, 3, {u"a", u"b", u"c"}},
      {u"", 100, 1, {u""}},
      {u"a,b,", 100, 3, {u"a", u"b", u""}},
      {u"\"a,b\",c", 100, 2, {u"a,b", u"c"}},
      {u"\"abc", 100, 1, {u"abc"}},
      // The count tells that there were more items than stored.
      {u"a,b,c,d", 2, 3, {u"a", u"b"}},
  };
  for (const auto& c : cases) {
    RecordBuffer rec;
    EXPECT_EQ(split_line(c.line, rec, c.max_items), c.count) << text::to_utf8(c.line);
    EXPECT_EQ(Items(rec.begin() + 1, rec.begin() + 1 + c.stored.size()), c.stored);
  }
}

TEST(BatchItemReaderTest, ShortLineLeavesTheLongerLinesTrailingItems) {
  RecordBuffer rec;
  split_line(u"a,b,c,d", rec);
  EXPECT_EQ(split_line(u"x,y", rec), 2);
  EXPECT_EQ(Items(rec.begin() + 1, rec.begin() + 5), (Items{u"x", u"y", u"c", u"d"}));
}

TEST(BatchItemReaderTest, LineModeKeepsAtMostAHundredItems) {
  std::u16string line;
  for (int k = 1; k <= 120; ++k) line += u"x,";
  RecordBuffer rec;
  EXPECT_EQ(split_line(line, rec), kMaxItemPosition + 1);
  EXPECT_EQ(rec[kMaxItemPosition], u"x");
}

}  // namespace
}  // namespace kovari::batch
