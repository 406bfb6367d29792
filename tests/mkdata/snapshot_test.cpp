// The data files built from the bundled national snapshot (data/*.zip), read
// back through the engine. Skipped when the snapshot or its built files are
// absent.
#include <gtest/gtest.h>

#include <set>

#include "consistency.h"
#include "decompose/decomposition.h"
#include "postaldb/fixed_tables.h"
#include "read_back.h"
#include "support/data_folders.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::mkdata::testing {
namespace {

std::filesystem::path data_dir() { return kovari::testing::national_data_folder(); }

const std::filesystem::path kCsvDir = KOVARI_SNAPSHOT_CSV_DIR;

class SnapshotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::filesystem::exists(data_dir() / "kovaritbl.dat") ||
        !std::filesystem::exists(kCsvDir / "KEN_ALL.CSV")) {
      return;
    }
    db_ = new postaldb::PostalDb;
    error_ = load(data_dir(), *db_);
  }
  static void TearDownTestSuite() {
    delete db_;
    delete rows_;
    db_ = nullptr;
    rows_ = nullptr;
  }
  void SetUp() override {
    if (db_ == nullptr) GTEST_SKIP() << "national data not built";
    ASSERT_EQ(error_, "");
  }

  // The CSV lines, read on first use (ctest runs each test in its own process).
  static const SourceRows& rows() {
    if (rows_ == nullptr) rows_ = new SourceRows(read_sources(kCsvDir));
    return *rows_;
  }

  static postaldb::PostalDb* db_;
  static SourceRows* rows_;
  static std::string error_;
};

postaldb::PostalDb* SnapshotTest::db_ = nullptr;
SourceRows* SnapshotTest::rows_ = nullptr;
std::string SnapshotTest::error_;

TEST_F(SnapshotTest, NationalCounts) {
  EXPECT_EQ(db_->dir.pref_count, 47);
  EXPECT_EQ(text::Trim(db_->tables.pref_name[1]), u"北海道");
  EXPECT_EQ(text::Trim(db_->tables.pref_name[13]), u"東京都");
  EXPECT_EQ(text::Trim(db_->tables.pref_name[47]), u"沖縄県");
  EXPECT_GT(db_->dir.city_count, 1800);
  EXPECT_LT(db_->dir.city_count, 2000);
  std::set<std::string> codes;
  for (const TownRow& row : rows().towns) codes.insert(row.code);
  EXPECT_GT(codes.size(), 115000u);
  EXPECT_EQ(db_->dir.code_count, static_cast<int>(rows().towns.size()));
  EXPECT_GT(db_->dir.code2_count, 20000);
  EXPECT_LT(db_->dir.code2_count, 25000);
  EXPECT_LE(db_->dir.bill_count, 100);
}

TEST_F(SnapshotTest, WardPairsReachTheWardsOfEveryDesignatedCity) {
  const auto has_pair = [&](std::u16string_view city, std::u16string_view ward) {
    for (int i = 1; i <= db_->dir.ward_pair_count; ++i) {
      if (db_->tables.ward_pair1[i] == city && db_->tables.ward_pair2[i] == ward) return true;
    }
    return false;
  };
  EXPECT_TRUE(has_pair(u"東京都", u"千代田区"));
  EXPECT_TRUE(has_pair(u"札幌市", u"豊平区"));
  EXPECT_TRUE(has_pair(u"静岡市", u"葵区"));
  EXPECT_TRUE(has_pair(u"浜松市", u"浜名区"));
  EXPECT_FALSE(has_pair(u"熊本市", u"中央区"));  // 中央区 recurs: no pair
  EXPECT_GT(db_->dir.ward_pair_count, 110);
}

TEST_F(SnapshotTest, RecordsWalkAndEveryCodeIsFound) {
  expect_town_walks(*db_);
  expect_indexes_sorted(*db_);
  expect_every_town_code_found(*db_, rows().towns);
  expect_every_detail_code_found(*db_, rows().offices);
}

TEST_F(SnapshotTest, TwentyDesignatedCitiesSplitIntoCityAndWard) {
  for (const postaldb::DesignatedCity& designated : postaldb::kDesignatedCities) {
    int wards = 0;
    for (int c = 1; c <= db_->dir.city_count; ++c) {
      if (db_->tables.city_name1[c] == designated.city && !db_->tables.city_name2[c].empty()) {
        ++wards;
      }
    }
    EXPECT_GE(wards, 3) << text::to_utf8(designated.city);
  }
}

// Building rows 1-43 stand in the prefecture and city of the program's fixed
// table: a real building (its 地階・階層不明 code, base + 90, is a town area of
// that city) or a filler that no address can name.
TEST_F(SnapshotTest, BuildingRowsInTheirFixedPlaces) {
  const auto& t = db_->tables;
  const auto index = read_code_index(db_->main_file, db_->dir.blk1[3], db_->dir.code_count);
  int real = 0;
  for (int row = 1; row <= db_->dir.bill_count; ++row) {
    SCOPED_TRACE("building row " + std::to_string(row));
    if (text::Trim(t.bill_name1[row]).find(u' ') != std::u16string::npos) {
      EXPECT_LE(row, 43) << "fillers only stand in the fixed rows";
      continue;
    }
    ++real;
    const std::string basement = std::to_string(std::stol(text::to_utf8(t.bill_code[row])) + 90);
    const auto offsets = look_up(index, basement);
    ASSERT_FALSE(offsets.empty()) << basement;
    const TownRecord record = read_town_record(db_->main_file, offsets.front());
    EXPECT_NE(record.name.find(u"地階・階層不明"), std::u16string::npos);
    EXPECT_NE(record.name.find(text::to_wide(t.bill_name1[row])), std::u16string::npos);
    if (row <= 43) {
      EXPECT_EQ(text::Trim(t.pref_name[record.location % 64]), t.bill_pref[row]);
      EXPECT_EQ(t.city_name1[record.location / 64], t.bill_city[row]);
    }
  }
  EXPECT_GT(real, 43);
}

// The split of each municipality into city_name1 / city_name2 is the one the
// engine's decomposition makes of the same text typed as an address, except
// for 野々市市, which decomposition cuts at its first 市.
TEST_F(SnapshotTest, CitySplitAgreesWithAddressDecomposition) {
  const postaldb::PostalTables no_tables;
  const std::set<std::u16string> known = {u"野々市市"};
  int differ = 0;
  for (int c = 1; c <= db_->dir.city_count; ++c) {
    const int pref = [&] {
      int p = 0;
      for (int i = 1; i <= db_->dir.pref_count; ++i) {
        if (db_->tables.pref_first_city[i] <= c) p = i;
      }
      return p;
    }();
    decompose::Decomposition d;
    d.addr_text = text::Trim(db_->tables.pref_name[pref]) + db_->tables.city_name1[c] +
                  db_->tables.city_name2[c] + u"１丁目";
    decompose::decompose_address(d, no_tables, {});
    const std::u16string part2 = text::to_wide(d.part(decompose::kCity)),
                         part3 = text::to_wide(d.part(decompose::kWardTown));
    if ((part2 != db_->tables.city_name1[c] || part3 != db_->tables.city_name2[c]) &&
        !known.contains(db_->tables.city_name1[c])) {
      if (++differ <= 20) {
        ADD_FAILURE() << text::to_utf8(db_->tables.city_name1[c]) << " / "
                      << text::to_utf8(db_->tables.city_name2[c]) << " decomposes to "
                      << text::to_utf8(part2) << " / " << text::to_utf8(part3);
      }
    }
  }
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace kovari::mkdata::testing
