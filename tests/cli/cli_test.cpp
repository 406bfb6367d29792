// kovari-cli as a program: the help of every command, --version, and the
// search for the data folder (the per-user data before the installed set, a
// clear refusal when there is none).
#include <gtest/gtest.h>

#include "cli/run_program.h"
#include "support/scratch_folder.h"

namespace kovari::testing {
namespace {

std::string cli() { return cli_program().string(); }

TEST(CliHelpTest, EveryCommandAnswersHelpOnStandardOutput) {
  const char* commands[] = {"info", "code", "batch-code", "decompose", "addr", "batch-addr"};
  for (const char* command : commands) {
    for (const char* flag : {"--help", "-h"}) {
      const CommandResult result = run_command(cli() + " " + command + " " + flag + " 2>/dev/null");
      EXPECT_EQ(result.status, 0) << command << " " << flag;
      EXPECT_EQ(result.output.rfind(std::string("usage: kovari-cli ") + command, 0), 0)
          << command << " " << flag << ":\n"
          << result.output;
      EXPECT_NE(result.output.find("--data DIR"), std::string::npos) << command;
      EXPECT_NE(result.output.find("exit status"), std::string::npos) << command;
    }
  }
  // Help wins over the options the command would otherwise refuse.
  const CommandResult batch = run_command(cli() + " batch-code --in x --help 2>/dev/null");
  EXPECT_EQ(batch.status, 0);
  EXPECT_NE(batch.output.find("--code-pos K"), std::string::npos);
}

TEST(CliVersionTest, PrintsTheVersionAndTheDataDate) {
  if (!cli_and_fixture_built("basic")) GTEST_SKIP() << "kovari-cli or the fixture not built";
  const std::string folder = fixture_folder("basic").string();
  CommandResult result = run_command(cli() + " --version --data " + folder);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, std::string("kovari-cli ") + KOVARI_VERSION +
                               "\ndata_date 不明\ndata_folder " + folder + "\n");

  result = run_command(cli() + " --version --data /nonexistent/kovari");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, std::string("kovari-cli ") + KOVARI_VERSION + "\ndata_date 不明\n");
}

TEST(CliDataSearchTest, WithoutDataEveryCommandSaysWhereItLookedAndExitsWith2) {
  for (const char* command : {"info", "code 1000001", "decompose 東京都", "addr 東京都"}) {
    const CommandResult result =
        run_command(cli() + " " + command + " --data /nonexistent/kovari 2>&1 >/dev/null");
    EXPECT_EQ(result.status, 2) << command;
    EXPECT_NE(result.output.find("/nonexistent/kovari"), std::string::npos) << result.output;
  }
}

// A copy of kovari-cli in <root>/prefix/bin, with the "basic" fixture
// installed in <root>/prefix/share/kovari and the "code_search" fixture as
// the user's data: the user's data wins; without it the installed set is used.
TEST(CliDataSearchTest, TheUsersDataWinsOverTheInstalledSet) {
  if (!cli_and_fixture_built("basic") || !cli_and_fixture_built("code_search")) {
    GTEST_SKIP() << "kovari-cli or the fixtures not built";
  }
  const TempFolder scratch("kovari-cli");
  const std::filesystem::path& root = scratch.path();
  const std::filesystem::path bin = root / "prefix" / "bin";
  const std::filesystem::path installed = root / "prefix" / "share" / "kovari";
  const std::filesystem::path user = root / "data-home" / "kovari";
  for (const auto& folder : {bin, installed, user}) std::filesystem::create_directories(folder);
  std::filesystem::copy_file(cli_program(), bin / "kovari-cli");
  // The data files only: the fixtures' CSV sources stay behind.
  std::filesystem::copy(fixture_folder("basic"), installed);
  std::filesystem::copy(fixture_folder("code_search"), user);

  const std::string run = "env XDG_DATA_HOME=" + (root / "data-home").string() +
                          " XDG_CONFIG_HOME=" + (root / "config").string() + " " +
                          (bin / "kovari-cli").string() + " --version";
  CommandResult result = run_command(run);
  EXPECT_NE(result.output.find("data_folder " + user.string() + "\n"), std::string::npos)
      << result.output;

  std::filesystem::remove_all(user);
  result = run_command(run);
  EXPECT_NE(result.output.find("data_folder " + installed.string() + "\n"), std::string::npos)
      << result.output;
}

TEST(CliInfoTest, TheDataDateIsTheLastLine) {
  if (!cli_and_fixture_built("basic")) GTEST_SKIP() << "kovari-cli or the fixture not built";
  const CommandResult result =
      run_command(cli() + " info --data " + fixture_folder("basic").string());
  EXPECT_EQ(result.status, 0);
  const std::string last = "\ndata_date 不明\n";
  ASSERT_GE(result.output.size(), last.size());
  EXPECT_EQ(result.output.substr(result.output.size() - last.size()), last) << result.output;
  EXPECT_NE(result.output.find("\nload_ms "), std::string::npos);
}

}  // namespace
}  // namespace kovari::testing
