// End-to-end checks on the national data files (built from the bundled
// snapshot into the program's folder); skipped when they are absent.
#include <gtest/gtest.h>

#include <filesystem>

#include "decompose/decomposition.h"
#include "postaldb/fixed_tables.h"
#include "postaldb/startup.h"
#include "support/data_folders.h"
#include "test_tables.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

class NationalDataTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!kovari::testing::national_data_built()) return;
    db_ = new postaldb::PostalDb;
    settings::Settings settings;
    SilentHost host;
    if (!postaldb::load_postal_db(kovari::testing::national_data_folder(), *db_, settings, host)
             .ok()) {
      delete db_;
      db_ = nullptr;
    }
  }
  static void TearDownTestSuite() {
    delete db_;
    db_ = nullptr;
  }
  void SetUp() override {
    if (db_ == nullptr) GTEST_SKIP() << "national data files not built";
  }
  static const postaldb::PostalTables& tables() { return db_->tables; }

  static postaldb::PostalDb* db_;
};

postaldb::PostalDb* NationalDataTest::db_ = nullptr;

TEST_F(NationalDataTest, RealAddresses) {
  struct Case {
    std::u16string_view address, result_parts;
  };
  const Case kCases[] = {
      {u"東京都千代田区丸の内１－１－１", u"東京都,千代田区,,丸の内,1,1,1,,"},
      {u"静岡県静岡市葵区追手町９－６", u"静岡県,静岡市,葵区,追手町,9,6,,,"},
      {u"北海道札幌市中央区北１条西３丁目", u"北海道,札幌市,中央区,北一条西,3,,,,"},
      {u"大阪府北区梅田１－１－１", u"大阪府,大阪市,北区,梅田,1,1,1,,"},
      {u"神奈川県中央区淵野辺１", u"神奈川県,相模原市,中央区,淵野辺,,1,,,"},
      {u"熊本県中央区手取本町１－１", u"熊本県,熊本市,中央区,手取本町,1,1,,,"},
      {u"新潟県中央区学校町通１－６０２－１", u"新潟県,新潟市,中央区,学校町通,1,602,1,,"},
      {u"神奈川県保土ケ谷区岩間町１", u"神奈川県,横浜市,保土ｹ谷区,岩間町,,1,,,"},
      // Cities the fixed name lists do not know, found in the city table.
      {u"石川県野々市市三納１－１", u"石川県,野々市市,,三納,1,1,,,"},
      {u"岐阜県郡上市八幡町島谷１", u"岐阜県,郡上市,,八幡町島谷,,1,,,"},
      {u"山口県山口市小郡下郷１", u"山口県,山口市,,小郡下郷,,1,,,"},
      {u"鹿児島県日置市伊集院町郡１", u"鹿児島県,日置市,,伊集院町郡,,1,,,"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(testing::decompose(c.address, tables()).result_parts, c.result_parts)
        << testing::utf8(c.address);
  }
}

// Every ward of every designated city, written with its prefecture and city,
// comes back as that city and ward.
TEST_F(NationalDataTest, EveryWardOfTheDesignatedCities) {
  const postaldb::PostalTables& t = tables();
  int wards = 0;
  for (const postaldb::DesignatedCity& city : postaldb::kDesignatedCities) {
    const int g = city.group;
    EXPECT_NE(t.city_group[g][1], 0) << testing::utf8(city.city);
    for (int r = t.city_group[g][1]; r != 0 && r <= t.city_group[g][2]; ++r) {
      const std::u16string ward = text::Trim(t.city_name2[r]);
      if (ward.empty()) continue;
      ++wards;
      const std::u16string address =
          std::u16string(city.prefecture) + std::u16string(city.city) + ward + u"本町1-2-3";
      const Decomposition d = testing::decompose(address, t);
      EXPECT_EQ(d.slot[1].addr_part[2], city.city) << testing::utf8(address);
      EXPECT_EQ(d.slot[1].addr_part[3], text::to_narrow(ward)) << testing::utf8(address);
      EXPECT_EQ(d.slot[1].addr_part[4], u"本町") << testing::utf8(address);
    }
  }
  EXPECT_GE(wards, 170);
}

// A ward written without its city gets a designated city of its prefecture
// that has that ward.
TEST_F(NationalDataTest, WardWithoutItsCity) {
  const postaldb::PostalTables& t = tables();
  for (const postaldb::DesignatedCity& city : postaldb::kDesignatedCities) {
    const int g = city.group;
    for (int r = t.city_group[g][1]; r != 0 && r <= t.city_group[g][2]; ++r) {
      const std::u16string ward = text::Trim(t.city_name2[r]);
      if (ward.empty()) continue;
      const std::u16string address = std::u16string(city.prefecture) + ward + u"本町1";
      const Decomposition d = testing::decompose(address, t);
      const std::u16string& found = d.slot[1].addr_part[2];
      bool same_prefecture_city_with_ward = false;
      for (const postaldb::DesignatedCity& other : postaldb::kDesignatedCities) {
        if (other.city != found) continue;
        EXPECT_EQ(other.prefecture, city.prefecture);
        const int h = other.group;
        for (int s = t.city_group[h][1]; s != 0 && s <= t.city_group[h][2]; ++s) {
          same_prefecture_city_with_ward |= text::Trim(t.city_name2[s]) == ward;
        }
      }
      EXPECT_TRUE(same_prefecture_city_with_ward) << testing::utf8(address);
      EXPECT_EQ(d.slot[1].addr_part[3], text::to_narrow(ward)) << testing::utf8(address);
    }
  }
}

// Every row of the city table, written with its prefecture and a town area,
// comes back as its own city (county, Tokyo ward) and ward (town, village).
TEST_F(NationalDataTest, EveryMunicipalityOfTheCityTable) {
  const postaldb::PostalTables& t = tables();
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  int pref = 1;
  int rows = 0;
  for (int r = 1; r < static_cast<int>(t.city_name1.size()); ++r) {
    while (pref < prefs && t.pref_first_city[pref + 1] <= r) ++pref;
    const std::u16string city = text::Trim(t.city_name1[r]);
    const std::u16string ward = text::Trim(t.city_name2[r]);
    ++rows;
    const std::u16string address = text::Trim(t.pref_name[pref]) + city + ward + u"中央1-2-3";
    const Decomposition d = testing::decompose(address, t);
    EXPECT_EQ(d.slot[1].addr_part[2], text::to_narrow(city)) << testing::utf8(address);
    EXPECT_EQ(d.slot[1].addr_part[3], text::to_narrow(ward)) << testing::utf8(address);
    EXPECT_EQ(d.slot[1].addr_part[4], u"中央") << testing::utf8(address);
  }
  EXPECT_GE(rows, 1800);
}

}  // namespace
}  // namespace kovari::decompose
