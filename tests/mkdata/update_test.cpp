// kovari-mkdata --update: the zip reader, the swap of the data set and the
// whole update, with the "basic" fixture's CSV files packed into zip files.
#include "update.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "csv.h"
#include "data_set_swap.h"
#include "postaldb/data_date.h"
#include "read_back.h"
#include "support/scratch_folder.h"
#include "zip_csv.h"
#include "zip_writer.h"

namespace kovari::mkdata::testing {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(KOVARI_FIXTURE_ROOT) / "basic";
const std::vector<std::string> kDataFiles = {"kovaritbl.dat", "kovari2tbl.dat", "kovari3tbl.dat",
                                             "kovari4tbl.dat"};

std::string read_bytes(const std::filesystem::path& path) {
  return read_file_bytes(path).value_or("(missing)");
}

void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The contents of the data files of a folder, to tell whether they changed.
std::map<std::string, std::string> data_set(const std::filesystem::path& folder) {
  std::map<std::string, std::string> set;
  for (const std::string& name : kDataFiles) set[name] = read_bytes(folder / name);
  return set;
}

bool has_staging_folder(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind(".kovari-update-", 0) == 0) return true;
  }
  return false;
}

class UpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    target_ = root_ / "data";
    std::filesystem::create_directories(target_);
    // The old set: the fixture as the build made it (no date recorded).
    for (const std::string& name : kDataFiles) {
      std::filesystem::copy_file(kFixture / name, target_ / name);
    }
    ken_all_ = read_bytes(kFixture / "csv" / "KEN_ALL.CSV");
    jigyosyo_ = read_bytes(kFixture / "csv" / "JIGYOSYO.CSV");
    ASSERT_TRUE(write_zip(ken_all_zip(), "KEN_ALL.CSV", ken_all_, 2024, 5, 31));
    ASSERT_TRUE(write_zip(jigyosyo_zip(), "JIGYOSYO.CSV", jigyosyo_, 2024, 5, 30));
  }

  std::filesystem::path ken_all_zip() const { return root_ / "ken_all.zip"; }
  std::filesystem::path jigyosyo_zip() const { return root_ / "jigyosyo.zip"; }

  UpdateResult update(std::optional<postaldb::CalendarDate> date = std::nullopt) {
    report_ = Report();
    return run_update({ken_all_zip(), jigyosyo_zip(), target_, date}, report_);
  }

  const kovari::testing::TempFolder scratch_{"kovari-update"};
  const std::filesystem::path& root_ = scratch_.path();
  std::filesystem::path target_;
  std::string ken_all_, jigyosyo_;
  Report report_;
};

TEST_F(UpdateTest, ReadsTheCsvEntryWhateverItsLetterCaseWithItsDate) {
  ASSERT_TRUE(write_zip(root_ / "lower.zip", "ken_all.csv", ken_all_, 2023, 12, 29));
  const ZipCsv csv = read_zip_csv(root_ / "lower.zip", "KEN_ALL.CSV");
  ASSERT_EQ(csv.error, "");
  EXPECT_EQ(csv.bytes, ken_all_);
  ASSERT_TRUE(csv.entry_date);
  EXPECT_EQ(postaldb::data_date_field(*csv.entry_date), "date20231229");

  const ZipCsv other = read_zip_csv(jigyosyo_zip(), "KEN_ALL.CSV");
  EXPECT_NE(other.error.find("holds no KEN_ALL.CSV"), std::string::npos) << other.error;
}

TEST_F(UpdateTest, ReplacesTheSetAndRecordsTheDateOfKenAll) {
  write_bytes(target_ / "kovaritbl.ini", "[Form]\r\n");
  write_bytes(target_ / "ooguchi_index.csv", "made from the old data\r\n");
  ASSERT_EQ(postaldb::read_data_date(target_), u"不明");

  const UpdateResult result = update();
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.data_date, u"2024/05/31");
  EXPECT_EQ(postaldb::read_data_date(target_), u"2024/05/31");
  postaldb::PostalDb db;
  ASSERT_EQ(load(target_, db), "");
  EXPECT_EQ(db.dir.code_count, result.counts.codes);
  EXPECT_GT(result.counts.codes, 0);

  EXPECT_FALSE(has_staging_folder(target_));
  EXPECT_TRUE(std::filesystem::exists(target_ / "kovaritbl.ini"));
  EXPECT_FALSE(std::filesystem::exists(target_ / "ooguchi_index.csv"));
}

TEST_F(UpdateTest, AGivenDateWinsOverTheEntrysAndAnEmptyFolderIsMade) {
  target_ = root_ / "new" / "folder";
  const UpdateResult result = update(postaldb::CalendarDate{2025, 9, 30});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(postaldb::read_data_date(target_), u"2025/09/30");
}

// Every failing update leaves the old files exactly as they were.
TEST_F(UpdateTest, AFailedUpdateLeavesTheOldDataInPlace) {
  const std::string zip = read_bytes(ken_all_zip());
  std::string damaged = zip;
  for (std::size_t i = 40; i < 60; ++i) damaged[i] = static_cast<char>(~damaged[i]);
  struct Case {
    const char* what;
    std::string ken_all_zip;  // the bytes of ken_all.zip
  };
  const Case cases[] = {
      {"damaged compressed data", damaged},
      {"cut short", zip.substr(0, zip.size() / 2)},
      {"not a zip file", ken_all_},
      {"empty", ""},
  };
  const auto old = data_set(target_);
  for (const Case& c : cases) {
    write_bytes(ken_all_zip(), c.ken_all_zip);
    EXPECT_FALSE(update().ok) << c.what;
    EXPECT_TRUE(report_.has_fatal()) << c.what;
    EXPECT_EQ(data_set(target_), old) << c.what;
    EXPECT_FALSE(has_staging_folder(target_)) << c.what;
  }
  // A zip of the wrong file, and a missing zip.
  ASSERT_TRUE(write_zip(ken_all_zip(), "KEN_ALL_ROME.CSV", ken_all_, 2024, 5, 31));
  EXPECT_FALSE(update().ok);
  std::filesystem::remove(ken_all_zip());
  EXPECT_FALSE(update().ok);
  EXPECT_EQ(data_set(target_), old);
}

TEST_F(UpdateTest, AnUpdateKilledMidwayLeavesTheOldDataAndIsClearedByTheNext) {
  const auto old = data_set(target_);
  // The national snapshot takes seconds to build: the kill lands before the swap.
  const std::filesystem::path source(KOVARI_SOURCE_DIR);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execl(KOVARI_MKDATA_PROGRAM, KOVARI_MKDATA_PROGRAM, "--update",
          (source / "data" / "ken_all.zip").c_str(), (source / "data" / "jigyosyo.zip").c_str(),
          "--out", target_.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  usleep(300 * 1000);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the update ended before it was killed";
  EXPECT_EQ(data_set(target_), old);

  // What a kill between writing and swapping leaves: a staging folder of a
  // process that is gone. The data search never looks into it; the next
  // update removes it.
  const std::filesystem::path stale = target_ / (".kovari-update-" + std::to_string(child));
  std::filesystem::create_directories(stale);
  write_bytes(stale / "kovaritbl.dat", "half");
  postaldb::PostalDb db;
  EXPECT_EQ(load(target_, db), "");
  ASSERT_TRUE(update().ok);
  EXPECT_FALSE(std::filesystem::exists(stale));
}

TEST_F(UpdateTest, AnUpdateRunningIntoTheSameFolderIsNotDisturbed) {
  // Process 1 is always running.
  const std::filesystem::path busy = target_ / ".kovari-update-1";
  std::filesystem::create_directories(busy);
  const auto old = data_set(target_);
  EXPECT_FALSE(update().ok);
  EXPECT_EQ(data_set(target_), old);
  EXPECT_TRUE(std::filesystem::exists(busy));
}

TEST_F(UpdateTest, ASwapThatFailsHalfwayPutsBackTheFilesAlreadyReplaced) {
  // The old set lacks kovari2tbl.dat: undoing its rename removes the new one.
  std::filesystem::remove(target_ / "kovari2tbl.dat");
  const auto old = data_set(target_);
  const std::filesystem::path staging = staging_folder(target_);
  std::filesystem::create_directories(staging);
  write_bytes(staging / "kovaritbl.dat", "new 1");
  write_bytes(staging / "kovari2tbl.dat", "new 2");
  // A folder cannot be renamed over a file: the third rename fails.
  std::filesystem::create_directories(staging / "kovari3tbl.dat");
  write_bytes(staging / "kovari4tbl.dat", "new 4");

  const std::string error = swap_in_data_set(staging, target_, kDataFiles);
  EXPECT_NE(error.find("kovari3tbl.dat"), std::string::npos) << error;
  EXPECT_EQ(data_set(target_), old);
  EXPECT_FALSE(std::filesystem::exists(target_ / "kovari2tbl.dat"));
}

}  // namespace
}  // namespace kovari::mkdata::testing
