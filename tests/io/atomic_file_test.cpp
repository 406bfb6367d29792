// A file is replaced whole or not at all: an earlier file stays until the new
// one is complete, and nothing of a failed write is left behind.
#include "io/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/file_tricks.h"
#include "support/scratch_folder.h"

namespace kovari::io {
namespace {

using testing::file_bytes;
using testing::folder_entries;
using testing::write_bytes;

class AtomicFileTest : public ::testing::Test {
 protected:
  const testing::TempFolder folder_{"kovari-atomic"};
  const std::filesystem::path dir_ = folder_.path();
  const std::filesystem::path target_ = dir_ / "out.csv";
};

TEST_F(AtomicFileTest, TheTargetChangesOnlyAtTheCommit) {
  write_bytes(target_, "earlier");
  AtomicFile file;
  ASSERT_TRUE(file.open(target_));
  ASSERT_TRUE(file.write("new "));
  ASSERT_TRUE(file.write("content"));
  EXPECT_EQ(file_bytes(target_), "earlier");
  ASSERT_TRUE(file.commit()) << file.error();
  EXPECT_EQ(file_bytes(target_), "new content");
  EXPECT_EQ(folder_entries(dir_), std::set<std::string>{"out.csv"});
}

TEST_F(AtomicFileTest, AFileDroppedWithoutCommitLeavesNothing) {
  {
    AtomicFile file;
    ASSERT_TRUE(file.open(target_));
    file.write("half a file");
  }
  EXPECT_TRUE(folder_entries(dir_).empty());
  write_bytes(target_, "earlier");
  {
    AtomicFile file;
    ASSERT_TRUE(file.open(target_));
    file.write("half a file");
    file.discard();
  }
  EXPECT_EQ(file_bytes(target_), "earlier");
  EXPECT_EQ(folder_entries(dir_), std::set<std::string>{"out.csv"});
}

TEST_F(AtomicFileTest, AFullDiskLeavesTheEarlierFileAndNoTemporaryOne) {
  write_bytes(target_, "earlier");
  AtomicFile file;
  ASSERT_TRUE(file.open(target_));
  {
    const testing::FileSizeLimit full_disk(4096);
    EXPECT_FALSE(file.write(std::string(64 * 1024, 'x')));
  }
  EXPECT_NE(file.error().find("cannot be written"), std::string::npos) << file.error();
  EXPECT_FALSE(file.write("more"));
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file_bytes(target_), "earlier");
  EXPECT_EQ(folder_entries(dir_), std::set<std::string>{"out.csv"});
}

TEST_F(AtomicFileTest, RefusesWhatItMustNotReplace) {
  std::filesystem::create_directory(dir_ / "folder");
  write_bytes(dir_ / "read-only.csv", "mine");
  std::filesystem::permissions(dir_ / "read-only.csv", std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::group_read);
  const struct {
    std::filesystem::path target;
    const char* error;
  } cases[] = {
      {dir_ / "folder", "is a folder"},
      // Even for root, whom the system would let write it.
      {dir_ / "read-only.csv", "is read-only"},
      {dir_ / "no such folder" / "out.csv", "cannot be created"},
      {dir_ / "folder" / "", "is not a file name"},
  };
  for (const auto& c : cases) {
    AtomicFile file;
    EXPECT_FALSE(file.open(c.target)) << c.target;
    EXPECT_NE(file.error().find(c.error), std::string::npos) << c.target << ": " << file.error();
    EXPECT_FALSE(file.write("x"));
    EXPECT_FALSE(file.commit());
  }
  EXPECT_EQ(file_bytes(dir_ / "read-only.csv"), "mine");
  EXPECT_EQ(folder_entries(dir_), (std::set<std::string>{"folder", "read-only.csv"}));
  EXPECT_TRUE(folder_entries(dir_ / "folder").empty());
}

TEST_F(AtomicFileTest, TheNewFileKeepsThePermissionsOfTheOld) {
  write_bytes(target_, "earlier");
  std::filesystem::permissions(target_, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_write |
                                            std::filesystem::perms::group_read);
  std::string error;
  ASSERT_TRUE(write_file_atomically(target_, "new", error)) << error;
  EXPECT_EQ(std::filesystem::status(target_).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

TEST_F(AtomicFileTest, ALinkKeepsPointingAtTheReplacedFile) {
  std::filesystem::create_directory(dir_ / "real");
  write_bytes(dir_ / "real" / "out.csv", "earlier");
  std::filesystem::create_symlink(dir_ / "real" / "out.csv", target_);
  std::string error;
  ASSERT_TRUE(write_file_atomically(target_, "new", error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(target_));
  EXPECT_EQ(file_bytes(dir_ / "real" / "out.csv"), "new");
}

TEST_F(AtomicFileTest, DevicesAreWrittenDirectlyAndAFifoNobodyReadsIsRefused) {
  std::string error;
  EXPECT_TRUE(write_file_atomically("/dev/null", "gone", error)) << error;
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_FALSE(write_file_atomically("/dev/full", "no room", error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  }
  ASSERT_EQ(mkfifo(target_.c_str(), 0600), 0);
  AtomicFile file;
  EXPECT_FALSE(file.open(target_));  // at once: the open does not wait for a reader
  EXPECT_NE(file.error().find("FIFO"), std::string::npos) << file.error();
  EXPECT_TRUE(std::filesystem::is_fifo(target_));
}

}  // namespace
}  // namespace kovari::io
