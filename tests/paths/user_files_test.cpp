#include "paths/user_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "paths/temp_tree.h"

namespace kovari::paths {
namespace {

using testing::TempTree;

const IsWritable kWritable = [](const std::filesystem::path&) { return true; };
const IsWritable kReadOnly = [](const std::filesystem::path&) { return false; };

// Where each file goes for the layouts a program can find itself in. The
// writability is the test's answer, so the read-only cases hold when the
// tests run as root too.
TEST(UserFilesTest, BesideAPortableProgramElseInTheXdgFolders) {
  struct Case {
    const char* layout;
    bool data_beside;
    bool writable;
    bool beside;  // whether the files go beside the program
  };
  const Case cases[] = {
      {"portable copy (build folder)", true, true, true},
      {"portable copy on a read-only medium", true, false, false},
      {"installed, run by a user", false, false, false},
      {"installed, run by root (bin writable, no data there)", false, true, false},
  };
  for (const Case& c : cases) {
    TempTree tree;
    if (c.data_beside) TempTree::put(tree.program(), "kovaritbl.dat");
    const IsWritable& is_writable = c.writable ? kWritable : kReadOnly;
    const Places places = tree.places();
    struct Expected {
      UserFile file;
      std::filesystem::path xdg;
    };
    const Expected files[] = {
        {UserFile::Settings, tree.user_config() / "kovaritbl.ini"},
        {UserFile::ClipboardHistory, tree.user_data() / "tmp_history.csv"},
        {UserFile::OfficeIndex, tree.user_data() / "ooguchi_index.csv"},
        {UserFile::BatchWork, tree.user_data() / "tmp.dat"},
    };
    for (const Expected& e : files) {
      const std::filesystem::path want = c.beside ? tree.program() / e.xdg.filename() : e.xdg;
      EXPECT_EQ(user_file_path(e.file, places, is_writable), want) << c.layout;
    }
    EXPECT_EQ(update_folder(places, is_writable), c.beside ? tree.program() : tree.user_data())
        << c.layout;
  }
}

TEST(UserFilesTest, ASettingsFileBesideTheProgramIsReadUntilTheUsersOwnExists) {
  TempTree tree;
  const Places places = tree.places();
  const std::filesystem::path own = tree.user_config() / "kovaritbl.ini";
  EXPECT_EQ(settings_file_to_read(places, kReadOnly), own);

  // An older installation's settings beside a read-only program: read from
  // there, written to the user's folder, and from then on read from there.
  TempTree::put(tree.program(), "kovaritbl.ini");
  EXPECT_EQ(settings_file_to_read(places, kReadOnly), tree.program() / "kovaritbl.ini");
  EXPECT_EQ(user_file_path(UserFile::Settings, places, kReadOnly), own);
  TempTree::put(tree.user_config(), "kovaritbl.ini");
  EXPECT_EQ(settings_file_to_read(places, kReadOnly), own);
}

TEST(UserFilesTest, UserFileCreatesTheFolderItNames) {
  TempTree tree;
  const std::filesystem::path path = user_file(UserFile::ClipboardHistory, tree.places());
  EXPECT_EQ(path, tree.user_data() / "tmp_history.csv");
  EXPECT_TRUE(std::filesystem::is_directory(tree.user_data()));
}

// The same decision with the file system's own answer: a program folder
// without write permission. Root may write anywhere, so the test says
// nothing there.
TEST(UserFilesTest, AReadOnlyProgramFolderSendsTheFilesToTheXdgFolders) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
  TempTree tree;
  TempTree::put(tree.program(), "kovaritbl.dat");
  const Places places = tree.places();
  EXPECT_EQ(user_file_path(UserFile::Settings, places, folder_is_writable),
            tree.program() / "kovaritbl.ini");
  ASSERT_EQ(chmod(tree.program().c_str(), 0555), 0);
  EXPECT_EQ(user_file_path(UserFile::Settings, places, folder_is_writable),
            tree.user_config() / "kovaritbl.ini");
  EXPECT_EQ(update_folder(places, folder_is_writable), tree.user_data());
}

}  // namespace
}  // namespace kovari::paths
