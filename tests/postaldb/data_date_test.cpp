#include "postaldb/data_date.h"

#include <gtest/gtest.h>

#include "postaldb/load_test.h"

namespace kovari::postaldb {
namespace {

TEST(DataDateTest, ParsesOnlyRealDaysWrittenWithSlashesOrDashes) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {"2025/09/30", true},  {"2025-09-30", true},  {"2024/02/29", true},  {"2000/02/29", true},
      {"1900/02/29", false}, {"2025/04/31", false}, {"2025/13/01", false}, {"2025/9/30", false},
      {"2025/09-30", false}, {"1899/12/31", false}, {"20250930", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parse_calendar_date(c.text).has_value(), c.valid) << c.text;
  }
  const std::optional<CalendarDate> date = parse_calendar_date("2024-02-29");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year, 2024);
  EXPECT_EQ(date->month, 2);
  EXPECT_EQ(date->day, 29);
}

TEST(DataDateTest, TheDirectoryFieldReadsBackAsTheDateOrAsUnknown) {
  struct Case {
    std::string field;
    std::u16string shown;
  };
  const Case cases[] = {
      {data_date_field({2025, 9, 30}), u"2025/09/30"},
      {data_date_field({2001, 6, 1}), u"2001/06/01"},
      {std::string(kDataDateFieldSize, '\0'), u"不明"},  // a file of an older builder
      {"date20251301", u"不明"},
      {"data20250930", u"不明"},
      {"date2025093", u"不明"},  // cut short
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_data_date(c.field), c.shown) << c.field;
  }
}

class DataDateLoadTest : public testing::LoadTest {};

TEST_F(DataDateLoadTest, TheLoadReadsTheDateAfterTheMainDirectorysValues) {
  testing::FixtureData data = testing::sample_data();
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.dir.data_date, u"不明");

  data.main_directory_tail = data_date_field({2025, 9, 30});
  ASSERT_TRUE(load(data).ok());
  EXPECT_EQ(db_.dir.data_date, u"2025/09/30");
  EXPECT_EQ(read_data_date(dir_), u"2025/09/30");
}

TEST_F(DataDateLoadTest, AFolderWithoutAReadableMainFileHasAnUnknownDate) {
  EXPECT_EQ(read_data_date(dir_ / "missing"), u"不明");
  testing::FixtureFiles files = testing::build_fixture(testing::sample_data());
  files.main = std::string(100, '\0');  // shorter than its directory block
  testing::write_fixture(dir_, files);
  EXPECT_EQ(read_data_date(dir_), u"不明");
}

}  // namespace
}  // namespace kovari::postaldb
