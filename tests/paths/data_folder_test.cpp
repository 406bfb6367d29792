#include "paths/data_folder.h"

#include <gtest/gtest.h>

#include "paths/temp_tree.h"

namespace kovari::paths {
namespace {

using testing::TempTree;

TEST(PlacesTest, XdgVariablesThatAreUnsetEmptyOrRelativeFallBackToTheHomeFolder) {
  struct Case {
    const char* config;
    const char* data;
    const char* want_config;
    const char* want_data;
  };
  const Case cases[] = {
      {nullptr, nullptr, "/home/u/.config", "/home/u/.local/share"},
      {"", "", "/home/u/.config", "/home/u/.local/share"},
      {"relative/config", "relative/data", "/home/u/.config", "/home/u/.local/share"},
      {"/xdg/config", "/xdg/data", "/xdg/config", "/xdg/data"},
  };
  for (const Case& c : cases) {
    const Places places = places_for("/opt/kovari/bin", {c.config, c.data, "/home/u"});
    EXPECT_EQ(places.program_folder, "/opt/kovari/bin");
    EXPECT_EQ(places.config_home, c.want_config) << (c.config ? c.config : "(unset)");
    EXPECT_EQ(places.data_home, c.want_data) << (c.data ? c.data : "(unset)");
  }
}

// Which folder the search takes when the data stands in some of the three places.
TEST(DataSearchTest, TakesTheProgramsFolderThenTheUsersDataThenTheInstalledSet) {
  enum Where { Program, User, Installed, None };
  struct Case {
    bool in_program, in_user, in_installed;
    Where found;
  };
  const Case cases[] = {
      {true, true, true, Program},  {false, true, true, User},  {false, false, true, Installed},
      {true, false, true, Program}, {false, true, false, User}, {false, false, false, None},
  };
  for (const Case& c : cases) {
    TempTree tree;
    if (c.in_program) TempTree::put(tree.program(), "kovaritbl.dat");
    if (c.in_user) TempTree::put(tree.user_data(), "kovaritbl.dat");
    if (c.in_installed) TempTree::put(tree.installed(), "kovaritbl.dat");
    const DataSearch search = find_data_folder(tree.places());
    const std::filesystem::path expected[] = {tree.program(), tree.user_data(), tree.installed()};
    const std::string label =
        std::to_string(c.in_program) + std::to_string(c.in_user) + std::to_string(c.in_installed);
    if (c.found == None) {
      EXPECT_FALSE(search.folder) << label;
    } else {
      ASSERT_TRUE(search.folder) << label;
      EXPECT_EQ(*search.folder, expected[c.found]) << label;
    }
    EXPECT_EQ(search.looked_in,
              std::vector<std::filesystem::path>(std::begin(expected), std::end(expected)))
        << label;
  }
}

TEST(DataSearchTest, AFolderGivenOnTheCommandLineIsTheOnlyOneLookedIn) {
  TempTree tree;
  TempTree::put(tree.program(), "kovaritbl.dat");
  const std::filesystem::path chosen = tree.root() / "chosen";

  DataSearch search = find_data_folder(tree.places(), chosen);
  EXPECT_FALSE(search.folder);
  EXPECT_EQ(search.looked_in, std::vector<std::filesystem::path>{chosen});

  TempTree::put(chosen, "kovaritbl.dat");
  search = find_data_folder(tree.places(), chosen);
  ASSERT_TRUE(search.folder);
  EXPECT_EQ(*search.folder, chosen);
}

TEST(DataSearchTest, OnlyARegularMainFileCountsAsData) {
  TempTree tree;
  TempTree::put(tree.program(), "kovari2tbl.dat");                          // no main file
  std::filesystem::create_directories(tree.user_data() / "kovaritbl.dat");  // a folder
  TempTree::put(tree.installed(), "kovaritbl.dat");
  const DataSearch search = find_data_folder(tree.places());
  ASSERT_TRUE(search.folder);
  EXPECT_EQ(*search.folder, tree.installed());
}

TEST(DataSearchTest, TheFailureTextNamesEveryFolderLookedIn) {
  TempTree tree;
  const DataSearch search = find_data_folder(tree.places());
  const std::string text = search_failure_text(search);
  for (const std::filesystem::path& folder : search.looked_in) {
    EXPECT_NE(text.find(folder.string()), std::string::npos) << text;
  }
  EXPECT_NE(text.find("kovari-mkdata --update"), std::string::npos) << text;
}

TEST(DataSearchTest, TheFailureTextSaysWhenTheMainFileIsNoRegularFile) {
  TempTree tree;
  std::filesystem::create_directories(tree.user_data() / "kovaritbl.dat");
  const std::string text = search_failure_text(find_data_folder(tree.places()));
  EXPECT_NE(text.find(tree.user_data().string() + " (its kovaritbl.dat is not a regular file)\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find(tree.program().string() + " ("), std::string::npos) << text;
}

}  // namespace
}  // namespace kovari::paths
