// kovari-cli code, addr and decompose read standard input whatever its line
// ends: LF, CR LF or CR alone give the same lines, and no CR reaches the
// output.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "run_program.h"

namespace {

using kovari::testing::cli_program;
using kovari::testing::fixture_folder;
using kovari::testing::run_command;

TEST(LineEndsCliTest, CrLfAndCrAloneEndLinesAsLfDoes) {
  if (!kovari::testing::cli_and_fixture_built("basic")) {
    GTEST_SKIP() << "kovari-cli or the basic fixture not built";
  }
  const struct {
    const char* command;
    const char* lines[2];
  } cases[] = {
      {"code", {"1000001", "0600042"}},
      {"addr", {"東京都千代田区千代田", "北海道札幌市中央区旭ケ丘"}},
      {"decompose", {"東京都千代田区千代田", "北海道札幌市中央区旭ケ丘"}},
  };
  for (const auto& c : cases) {
    const std::string program =
        cli_program().string() + " " + c.command + " --data " + fixture_folder("basic").string();
    auto run = [&](const char* end) {
      const std::string input = std::string(c.lines[0]) + end + c.lines[1] + end;
      return run_command("printf '" + input + "' | " + program + " 2>/dev/null");
    };
    const kovari::testing::CommandResult lf = run("\\n");
    ASSERT_EQ(lf.status, 0) << c.command;
    EXPECT_EQ(std::count(lf.output.begin(), lf.output.end(), '\n'), 2) << lf.output;
    for (const char* end : {"\\r\\n", "\\r"}) {
      const kovari::testing::CommandResult other = run(end);
      EXPECT_EQ(other.status, 0) << c.command << " " << end;
      EXPECT_EQ(other.output, lf.output) << c.command << " " << end;
      EXPECT_EQ(other.output.find('\r'), std::string::npos) << c.command << " " << end;
    }
  }
}

}  // namespace
