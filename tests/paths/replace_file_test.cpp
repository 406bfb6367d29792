#include "paths/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <iterator>
#include <string>

#include "support/scratch_folder.h"

namespace kovari::paths {
namespace {

using kovari::testing::file_bytes;


std::size_t entries(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

TEST(ReplaceFileTest, CreatesAndReplacesTheWholeContent) {
  kovari::testing::TempFolder folder;
  const std::filesystem::path path = folder.path() / "out.csv";
  ASSERT_EQ(replace_file(path, "a long first content\r\n"), "");
  ASSERT_EQ(replace_file(path, "short\r\n"), "");
  EXPECT_EQ(file_bytes(path), "short\r\n");
  EXPECT_EQ(entries(folder.path()), 1u);  // no temporary file left behind
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IRGRP, 0u);  // not the private mode of a temporary file
}

TEST(ReplaceFileTest, AFailureNamesTheFileAndLeavesTheOldOneAlone) {
  kovari::testing::TempFolder folder;
  const std::filesystem::path missing = folder.path() / "missing" / "out.csv";
  const std::string error = replace_file(missing, "x");
  EXPECT_NE(error.find(missing.string()), std::string::npos) << error;
  // A folder in the file's place cannot be replaced by a file.
  const std::filesystem::path taken = folder.path() / "taken";
  std::filesystem::create_directories(taken / "inside");
  EXPECT_NE(replace_file(taken, "x"), "");
  EXPECT_TRUE(std::filesystem::is_directory(taken / "inside"));
  EXPECT_EQ(entries(folder.path()), 1u);
}

}  // namespace
}  // namespace kovari::paths
