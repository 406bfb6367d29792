#include "io/file_status.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_tricks.h"
#include "support/scratch_folder.h"

namespace kovari::io {
namespace {

TEST(FileStatusTest, SameFileComparesIdentitiesAndResolvedPaths) {
  const testing::TempFolder folder("kovari-same");
  const std::filesystem::path dir = folder.path();
  testing::write_bytes(dir / "in.csv", "x");
  std::filesystem::create_directories(dir / "sub");
  std::filesystem::create_symlink(dir / "in.csv", dir / "link.csv");
  std::filesystem::create_hard_link(dir / "in.csv", dir / "hard.csv");
  EXPECT_TRUE(same_file(dir / "in.csv", dir / "sub" / ".." / "in.csv"));
  EXPECT_TRUE(same_file(dir / "in.csv", dir / "link.csv"));
  EXPECT_TRUE(same_file(dir / "in.csv", dir / "hard.csv"));
  EXPECT_TRUE(same_file(dir / "new.csv", dir / "sub" / ".." / "new.csv"));
  EXPECT_FALSE(same_file(dir / "in.csv", dir / "out.csv"));
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  EXPECT_TRUE(same_file("in.csv", dir / "in.csv"));
  std::filesystem::current_path(cwd);
}

TEST(FileStatusTest, AFileWithoutWriteBitsIsReadOnlyForRootToo) {
  const testing::TempFolder folder("kovari-read-only");
  const std::filesystem::path file = folder.path() / "file";
  testing::write_bytes(file, "x");
  using std::filesystem::perms;
  const struct {
    perms mode;
    bool read_only;
  } cases[] = {
      {perms::owner_read | perms::owner_write, false},
      {perms::owner_read | perms::group_read | perms::others_read, true},
      {perms::none, true},
  };
  for (const auto& c : cases) {
    std::filesystem::permissions(file, c.mode);
    EXPECT_EQ(is_read_only(file), c.read_only) << static_cast<int>(c.mode);
  }
  EXPECT_FALSE(is_read_only(folder.path() / "missing"));
}

}  // namespace
}  // namespace kovari::io
