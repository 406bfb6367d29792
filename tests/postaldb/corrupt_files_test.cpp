// Broken data files must end the load with a message naming the file, never
// with a crash or a read outside the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <cstring>
#include <functional>
#include <random>

#include "postaldb/load_test.h"
#include "support/file_tricks.h"

namespace kovari::postaldb {
namespace {

using testing::FixtureData;
using testing::FixtureFiles;

struct BrokenCase {
  const char* name;
  std::function<void(FixtureData&)> change_data;
  std::function<void(FixtureFiles&)> change_files;
  const char* file_named;
};

void no_data_change(FixtureData&) {}
void no_file_change(FixtureFiles&) {}

// Stores a 4-byte value at `offset` of a file's directory block.
void put_directory_value(std::string& file, std::size_t offset, std::int32_t value) {
  std::memcpy(file.data() + file.size() - 1024 + offset, &value, sizeof value);
}
void put_directory_integer(std::string& file, std::size_t offset, std::int16_t value) {
  std::memcpy(file.data() + file.size() - 1024 + offset, &value, sizeof value);
}

const BrokenCase kBrokenCases[] = {
    {"main file missing", no_data_change, [](FixtureFiles& f) { f.main.clear(); }, "kovari-mkdata"},
    {"main file shorter than a block", no_data_change, [](FixtureFiles& f) { f.main.resize(1000); },
     "kovari-mkdata"},
    {"huge prefecture count", [](FixtureData& d) { d.pref_count = 1000000; }, no_file_change,
     "kovaritbl.dat"},
    {"one prefecture more than stored", [](FixtureData& d) { d.pref_count = 4; }, no_file_change,
     "kovaritbl.dat"},
    {"negative city count", [](FixtureData& d) { d.city_count = -5; }, no_file_change,
     "kovaritbl.dat"},
    {"city table beyond the end", [](FixtureData& d) { d.city_block = 100000; }, no_file_change,
     "kovaritbl.dat"},
    {"index larger than the file", [](FixtureData& d) { d.code_count = 10000000; }, no_file_change,
     "kovaritbl.dat"},
    {"town areas end beyond the file", [](FixtureData& d) { d.town_end1 = 1000000000; },
     no_file_change, "kovaritbl.dat"},
    {"city position past the town areas", [](FixtureData& d) { d.cities[2].town_pos = 65; },
     no_file_change, "kovaritbl.dat"},
    {"detail position of an unknown city", [](FixtureData& d) { d.city_positions[1].first = 99; },
     no_file_change, "kovari2tbl.dat"},
    {"detail position of city 0", [](FixtureData& d) { d.city_pos2_count = 4; }, no_file_change,
     "kovari2tbl.dat"},
    {"detail position past the detail records",
     [](FixtureData& d) { d.city_positions[1].second = 65; }, no_file_change, "kovari2tbl.dat"},
    {"huge replacement-pair count", [](FixtureData& d) { d.chr_file_count = 5000000; },
     no_file_change, "kovari2tbl.dat"},
    {"negative replacement-pair count", [](FixtureData& d) { d.chr_file_count = -1; },
     no_file_change, "kovari2tbl.dat"},
    {"huge ward-pair count", [](FixtureData& d) { d.ward_pair_count = 1000000; }, no_file_change,
     "kovari3tbl.dat"},
    {"detail file shorter than a block", no_data_change,
     [](FixtureFiles& f) { f.detail.resize(500); }, "kovari2tbl.dat"},
    {"third file shorter than a block", no_data_change, [](FixtureFiles& f) { f.third.resize(10); },
     "kovari3tbl.dat"},
    // Directories that cannot be right, whatever the tables hold.
    {"main file of zeros", no_data_change,
     [](FixtureFiles& f) { f.main.assign(f.main.size(), '\0'); },
     "kovaritbl.dat is damaged: its directory block names no table"},
    {"no postal codes", [](FixtureData& d) { d.code_count = 0; }, no_file_change,
     "kovaritbl.dat is damaged: the postal-code index (block 3, 0 records) has no records"},
    {"no prefectures", [](FixtureData& d) { d.pref_count = 0; }, no_file_change,
     "kovaritbl.dat is damaged: the prefecture table"},
    {"no cities", [](FixtureData& d) { d.city_count = 0; }, no_file_change,
     "kovaritbl.dat is damaged: the city table"},
    {"no town areas", [](FixtureData& d) { d.town_end1 = 0; }, no_file_change,
     "kovaritbl.dat is damaged: it holds no town-area records"},
    {"main file cut in half", no_data_change,
     [](FixtureFiles& f) { f.main.resize(f.main.size() / 2 / 1024 * 1024); }, "kovaritbl.dat"},
    {"block number beyond the file", no_data_change,
     [](FixtureFiles& f) { put_directory_value(f.main, 9 * 4, std::bit_cast<std::int32_t>(5e5f)); },
     "kovaritbl.dat is damaged: block number 10 (500000) lies outside the file"},
    {"building table into the directory block", [](FixtureData& d) { d.bill_count = 1000; },
     no_file_change, "kovaritbl.dat is damaged: the building table"},
    {"third file without a table", no_data_change,
     [](FixtureFiles& f) {
       put_directory_integer(f.third, 1 * 2, 0);
       put_directory_value(f.third, 100 + 8, 0);
     },
     "kovari3tbl.dat is damaged: its directory block names no table"},
    {"detail file of zeros", no_data_change,
     [](FixtureFiles& f) { f.detail.assign(f.detail.size(), '\0'); },
     "kovari2tbl.dat is damaged: its directory block names no table"},
    {"ward pairs without their block", no_data_change,
     [](FixtureFiles& f) {
       put_directory_integer(f.third, 0, 1);  // an empty old-code table at block 1
       put_directory_integer(f.third, 1 * 2, 0);
     },
     "kovari3tbl.dat is damaged: the ward-pair table (block 0, 2 records) has records but no "
     "block"},
    {"town-name index without records",
     [](FixtureData& d) {
       d.write_fourth = true;
       d.tbl4_count = 0;
     },
     no_file_change, "kovari4tbl.dat is damaged: the town-name index"},
    {"city name not Shift-JIS", no_data_change,
     [](FixtureFiles& f) {
       // The first city name's first byte pair, at block 2 + 4, becomes a lone lead byte.
       f.main[2048 + 4 + 1] = '\x0a';
     },
     "kovaritbl.dat"},
};

class CorruptFilesTest : public testing::LoadTest {};

TEST_F(CorruptFilesTest, BrokenFilesGiveAnErrorNamingTheFile) {
  ASSERT_TRUE(load(testing::build_fixture(testing::sample_data())).ok());
  for (const BrokenCase& c : kBrokenCases) {
    FixtureData data = testing::sample_data();
    c.change_data(data);
    FixtureFiles files = testing::build_fixture(data);
    c.change_files(files);
    const LoadStatus status = load(files);
    EXPECT_FALSE(status.ok()) << c.name;
    EXPECT_NE(status.error.find(c.file_named), std::string::npos) << c.name << ": " << status.error;
  }
}

TEST_F(CorruptFilesTest, AFifoInPlaceOfAFileIsReportedWithoutWaiting) {
  for (const char* name : {"kovaritbl.dat", "kovari2tbl.dat", "kovari3tbl.dat", "kovari4tbl.dat"}) {
    write_fixture(dir_, testing::build_fixture(testing::sample_data()));
    const std::filesystem::path fifo = dir_ / name;
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    LoadStatus status;
    ASSERT_TRUE(kovari::testing::returns_without_waiting(fifo, [&] {
      status = load_postal_db(dir_, db_, settings_, host_);
    })) << name;
    EXPECT_EQ(status.problem, LoadProblem::kFileUnreadable) << name;
    EXPECT_EQ(status.error, std::string(name) + " is a FIFO, not a regular file");
    std::filesystem::remove(fifo);
  }
}

TEST_F(CorruptFilesTest, MissingMainFileSaysHowToBuildIt) {
  FixtureFiles files = testing::build_fixture(testing::sample_data());
  files.main.clear();
  const LoadStatus status = load(files);
  EXPECT_NE(status.error.find("kovaritbl.dat"), std::string::npos) << status.error;
  EXPECT_NE(status.error.find("build the data with kovari-mkdata (see README)"), std::string::npos);
}

// What the searches rely on after a successful load, whatever the files held.
void expect_consistent_tables(const PostalDb& db) {
  const Directory& dir = db.dir;
  const PostalTables& t = db.tables;
  EXPECT_EQ(t.pref_name.size(), static_cast<std::size_t>(dir.pref_count) + 1);
  EXPECT_EQ(t.city_name1.size(), static_cast<std::size_t>(dir.city_count) + 1);
  EXPECT_EQ(t.city_pos2.size(), static_cast<std::size_t>(dir.city_count) + 1);
  EXPECT_EQ(t.bill_code.size(), static_cast<std::size_t>(dir.bill_count) + 1);
  EXPECT_EQ(t.ward_pair1.size(), static_cast<std::size_t>(dir.ward_pair_count) + 1);
  EXPECT_LT(t.chr_count, static_cast<int>(t.chr_from.size()));
  if (t.word_count2 > 0) {
    EXPECT_LT(t.word_count2, static_cast<int>(t.word.size()));
  }
  for (const auto& group : t.city_group) {
    EXPECT_LE(group[1], dir.city_count);
    EXPECT_LE(group[2], dir.city_count);
  }
  for (std::int32_t position : t.city_pos1) EXPECT_LE(position, db.main_file.length());
}

TEST_F(CorruptFilesTest, RandomlyDamagedFilesNeverCrashTheLoad) {
  FixtureData data = testing::sample_data();
  data.write_fourth = true;
  data.tbl4_count = 2;
  const FixtureFiles valid = testing::build_fixture(data);
  ASSERT_TRUE(load(valid).ok());
  std::mt19937 random(20010601);
  int refused = 0;
  constexpr int kMutations = 2000;
  for (int round = 0; round < kMutations; ++round) {
    FixtureFiles files = valid;
    std::string* targets[] = {&files.main, &files.main, &files.detail, &files.third, &files.fourth};
    std::string& bytes = *targets[random() % std::size(targets)];
    const int damage = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < damage; ++k) {
      const std::size_t directory = bytes.size() - 1024;
      // A third of the hits land on the directory values, the rest anywhere.
      const std::size_t at =
          random() % 3 == 0 ? directory + random() % 256 : random() % bytes.size();
      bytes[at] = static_cast<char>(random());
    }
    if (random() % 10 == 0) bytes.resize(random() % bytes.size());
    const LoadStatus status = load(files);
    if (status.ok()) {
      expect_consistent_tables(db_);
    } else {
      ++refused;
      EXPECT_NE(status.error.find("tbl.dat"), std::string::npos) << status.error;
    }
    if (HasFailure()) break;
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace kovari::postaldb
