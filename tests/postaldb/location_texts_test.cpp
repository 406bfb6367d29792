#include "postaldb/location_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace kovari::postaldb {
namespace {

TEST(LocationTextsTest, JoinsTheTrimmedNamesOfALocation) {
  PostalTables tables;
  tables.pref_name = {u"", u"北海道　 ", u"東京都     "};
  tables.city_name1 = {u"", u"札幌市  ", u" 千代田区", u"大島町"};
  tables.city_name2 = {u"", u"中央区   ", u"        "};  // row 3 has no second name
  const LocationTexts texts(tables);
  const struct {
    std::int32_t location;
    std::u16string_view line;
  } kCases[] = {
      {1 + 64 * 1, u"北海道　札幌市中央区"},  // only blanks are trimmed
      {2 + 64 * 2, u"東京都千代田区"},
      {2 + 64 * 3, u"東京都大島町"},
      {2 + 64 * 4, u"東京都"},    // a city past the table
      {5 + 64 * 2, u"千代田区"},  // a prefecture past the table
      {-1, u""},
      {-64 * 2, u""},
  };
  for (const auto& c : kCases) {
    std::u16string line = u"〒";
    texts.append(c.location, line);
    EXPECT_EQ(line, std::u16string(u"〒").append(c.line)) << c.location;
  }
}

}  // namespace
}  // namespace kovari::postaldb
