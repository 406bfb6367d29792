// Reading a file whole: a FIFO, a device or a folder in place of a file is
// refused at once, never waited on or read.
#include "io/read_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/file_tricks.h"
#include "support/scratch_folder.h"

namespace kovari::io {
namespace {

TEST(ReadFileTest, ReadsARegularFileWhole) {
  const testing::TempFolder folder("kovari-read");
  const std::string bytes = std::string("a\0b", 3) + std::string(100000, 'x');
  testing::write_bytes(folder.path() / "file", bytes);
  const FileBytes file = read_regular_file(folder.path() / "file");
  ASSERT_TRUE(file.ok()) << file.error;
  EXPECT_EQ(file.view(), bytes);
  EXPECT_EQ(file.id, file_id(folder.path() / "file"));
}

TEST(ReadFileTest, RefusesWhatIsNotARegularFileWithoutWaiting) {
  const testing::TempFolder folder("kovari-read");
  const std::filesystem::path fifo = folder.path() / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_directory(folder.path() / "folder");
  const struct {
    std::filesystem::path path;
    ReadProblem problem;
    const char* error;
  } cases[] = {
      {fifo, ReadProblem::kNotRegular, "is a FIFO, not a regular file"},
      {folder.path() / "folder", ReadProblem::kNotRegular, "is a folder, not a regular file"},
      {"/dev/zero", ReadProblem::kNotRegular, "is a device, not a regular file"},
      {folder.path() / "missing", ReadProblem::kMissing, "does not exist"},
  };
  for (const auto& c : cases) {
    FileBytes file;
    ASSERT_TRUE(testing::returns_without_waiting(fifo, [&] { file = read_regular_file(c.path); }))
        << c.path;
    EXPECT_EQ(file.problem, c.problem) << c.path;
    EXPECT_EQ(file.error, c.error) << c.path;
    EXPECT_EQ(file.size, 0u);
  }
}

TEST(ReadFileTest, RefusesAFileLargerThanTheLimit) {
  const testing::TempFolder folder("kovari-read");
  testing::write_bytes(folder.path() / "file", std::string(1025, 'x'));
  EXPECT_TRUE(read_regular_file(folder.path() / "file", 1025).ok());
  const FileBytes file = read_regular_file(folder.path() / "file", 1024);
  EXPECT_EQ(file.problem, ReadProblem::kTooLarge);
  EXPECT_EQ(file.error, "is larger than 1024 bytes");
}

}  // namespace
}  // namespace kovari::io
