// kovari-cli decompose, run as a program on the basic fixture: one
// tab-separated line per address, from the arguments or from standard input.
#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace {

using kovari::testing::cli_program;
using kovari::testing::run_command;

class DecomposeCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::cli_and_fixture_built("basic")) {
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
    }
  }
  std::string command() const {
    return cli_program().string() + " decompose --data " +
           kovari::testing::fixture_folder("basic").string();
  }
};

TEST_F(DecomposeCliTest, OneLinePerArgument) {
  const std::string output =
      run_command(command() +
                  " '東京都千代田区丸の内１－１－１' '北海道札幌市中央区北１条西３丁目'")
          .output;
  EXPECT_EQ(output,
            "東京都,千代田区,,丸の内,1,1,1,,\t東京都千代田区丸の内１－１－１\t\t\n"
            "北海道,札幌市,中央区,北一条西,3,,,,\t北海道札幌市中央区北１条西３丁目\t\t\n");
}

TEST_F(DecomposeCliTest, StandardInputLines) {
  const std::string output =
      run_command("printf '北海道北区北10条西4丁目\\r\\n\\n' | " + command()).output;
  EXPECT_EQ(output,
            "北海道,札幌市,北区,北十条西,4,,,,\t北海道北区北１０条西４丁目\t\t\n"
            ",,,,,,,,\t\t\t\n");
}

}  // namespace
