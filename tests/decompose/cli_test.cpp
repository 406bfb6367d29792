// kovari-cli decompose, run as a program on the basic fixture: one
// tab-separated line per address, from the arguments or from standard input.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path cli_program() { return KOVARI_CLI_PROGRAM; }

std::filesystem::path fixture() { return std::filesystem::path(KOVARI_FIXTURE_ROOT) / "basic"; }

// Standard output of a shell command.
std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

class DecomposeCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(cli_program()) ||
        !std::filesystem::exists(fixture() / "kovaritbl.dat")) {
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
    }
  }
  std::string command() const {
    return cli_program().string() + " decompose --data " + fixture().string();
  }
};

TEST_F(DecomposeCliTest, OneLinePerArgument) {
  const std::string output =
      run(command() + " '東京都千代田区丸の内１－１－１' '北海道札幌市中央区北１条西３丁目'");
  EXPECT_EQ(output,
            "東京都,千代田区,,丸の内,1,1,1,,\t東京都千代田区丸の内１－１－１\t\t\n"
            "北海道,札幌市,中央区,北一条西,3,,,,\t北海道札幌市中央区北１条西３丁目\t\t\n");
}

TEST_F(DecomposeCliTest, StandardInputLines) {
  const std::string output = run("printf '北海道北区北10条西4丁目\\r\\n\\n' | " + command());
  EXPECT_EQ(output,
            "北海道,札幌市,北区,北十条西,4,,,,\t北海道北区北１０条西４丁目\t\t\n"
            ",,,,,,,,\t\t\t\n");
}

}  // namespace
