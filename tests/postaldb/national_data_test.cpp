// The fixed city tables checked against the national data built from the
// bundled snapshot (skipped when the data files have not been built).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "postaldb/fixed_tables.h"
#include "postaldb/startup.h"
#include "support/data_folders.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::postaldb {
namespace {

class NationalDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) {
      GTEST_SKIP() << "the national data files are not built";
    }
    SilentHost host;
    const LoadStatus status =
        load_postal_db(kovari::testing::national_data_folder(), db_, settings_, host);
    ASSERT_TRUE(status.ok()) << status.error;
  }

  // Rows of designated cities: city_name1 is the city, city_name2 a ward.
  std::map<std::u16string, std::set<std::u16string>> wards_by_city() const {
    std::map<std::u16string, std::set<std::u16string>> wards;
    const PostalTables& t = db_.tables;
    for (int row = 1; row < static_cast<int>(t.city_name1.size()); ++row) {
      const std::u16string city = text::Trim(t.city_name1[row]);
      const std::u16string ward = text::Trim(t.city_name2[row]);
      if (text::Right(city, 1) == u"市" && text::Right(ward, 1) == u"区") wards[city].insert(ward);
    }
    return wards;
  }

  PostalDb db_;
  settings::Settings settings_;
};

TEST_F(NationalDataTest, DesignatedCityGroupsAreTheCitiesWithWards) {
  std::set<std::u16string> expected;
  for (const DesignatedCity& city : kDesignatedCities) expected.emplace(city.city);
  std::set<std::u16string> found;
  for (const auto& [city, wards] : wards_by_city()) found.insert(city);
  EXPECT_EQ(found, expected);
}

TEST_F(NationalDataTest, EachGroupSpansExactlyItsCitysRows) {
  const PostalTables& t = db_.tables;
  for (const DesignatedCity& designated : kDesignatedCities) {
    const auto& group = t.city_group[designated.group];
    const std::u16string_view city = designated.city;
    ASSERT_GT(group[0], 0) << text::to_utf8(city);
    EXPECT_EQ(group[2] - group[1] + 1, group[0]);
    for (int row = group[1]; row <= group[2]; ++row) EXPECT_EQ(t.city_name1[row], city) << row;
  }
  EXPECT_EQ(t.city_group[kMinatoGroup][0], 1);
  EXPECT_EQ(t.city_name1[t.city_group[kFuchuGroup][1]], u"府中市");
}

TEST_F(NationalDataTest, DuplicateWardsAreTheWardNamesOfSeveralCities) {
  std::map<std::u16string, int> cities_per_ward;
  for (const auto& [city, wards] : wards_by_city()) {
    for (const std::u16string& ward : wards) ++cities_per_ward[ward];
  }
  std::set<std::u16string> shared;
  for (const auto& [ward, count] : cities_per_ward) {
    if (count > 1) shared.insert(ward);
  }
  const std::set<std::u16string> listed(kDuplicateWards.begin(), kDuplicateWards.end());
  EXPECT_EQ(listed, shared);
}

}  // namespace
}  // namespace kovari::postaldb
