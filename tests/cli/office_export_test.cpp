// kovari-cli office and export, run as programs on the basic fixture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "run_program.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace {

using Result = kovari::testing::CommandResult;
using kovari::testing::file_bytes;
using kovari::testing::run_command;

const std::filesystem::path kFixture = kovari::testing::fixture_folder("basic");


// A copy of the program in a folder without data: an installed program,
// which writes its files in the user's data folder (XDG_DATA_HOME).
class OfficeExportCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::cli_and_fixture_built("basic")) {
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
    }
    dir = std::filesystem::path(::testing::TempDir()) /
          ("kovari_cli_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::copy_file(kovari::testing::cli_program(), dir / "bin" / "kovari-cli");
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  // The command with its standard error after its standard output.
  std::string cli(const std::string& command, const char* stderr_to = "2>&1") const {
    return "XDG_DATA_HOME=" + (dir / "xdg").string() + " " + (dir / "bin" / "kovari-cli").string() +
           " " + command + " --data " + kFixture.string() + " " + stderr_to;
  }

  std::filesystem::path dir;
};

TEST_F(OfficeExportCliTest, OfficeListsCodeNameAndAddressOfEachOfficeFound) {
  const Result prefix = run_command(cli("office ジェイ・アール テスト商事 北海道"));
  EXPECT_EQ(prefix.status, 0);
  EXPECT_EQ(prefix.output,
            "1638001\tジェイ・アール・ティー株式会社\t東京都新宿区西新宿２丁目１－１\n"
            "1638002\tジェイ・アール・ティー株式会社\t東京都新宿区西新宿２丁目１－１\n"
            "1008691\tテスト商事　株式会社\t東京都千代田区丸の内２丁目７－２\n"
            "0608711\t株式会社　北海道新聞社\t北海道札幌市中央区大通西３丁目６\n");
  // The index was made in the user's data folder.
  EXPECT_TRUE(std::filesystem::exists(dir / "xdg" / "kovari" / "ooguchi_index.csv"));
}

TEST_F(OfficeExportCliTest, OfficeModesAndMessages) {
  const struct {
    std::string arguments;
    int status;
    std::string output;
  } cases[] = {
      {"office --mode exact 札幌市役所 札幌", 0,
       "0608611\t札幌市役所\t北海道札幌市中央区北一条西２丁目\n"
       "kovari-cli office: 札幌: 該当する大口事業所名は未登録です。再入力して下さい。\n"},
      {"office --mode partial --hyphen 商事", 0,
       "100-8691\tテスト商事　株式会社\t東京都千代田区丸の内２丁目７－２\n"},
      {"office 株式会社", 0,
       "kovari-cli office: 株式会社: 大口事業所名の入力誤りです。再入力して下さい。\n"},
      {"office --mode middle 札幌", 2,
       "kovari-cli office: --mode is prefix, exact or partial, not \"middle\"\n"},
  };
  for (const auto& c : cases) {
    const Result result = run_command(cli(c.arguments));
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.output, c.output) << c.arguments;
  }
  const Result from_input =
      run_command("printf 'テスト\\nＡＢＣ\\n' | " + cli("office", "2>/dev/null"));
  EXPECT_EQ(from_input.output,
            "1008691\tテスト商事　株式会社\t東京都千代田区丸の内２丁目７－２\n"
            "1008692\tＡＢＣトレーディング\t東京都千代田区丸の内１丁目１－１\n");
}

TEST_F(OfficeExportCliTest, ExportWritesTheAreaAndKeepsAnExistingFileUnlessTold) {
  const std::filesystem::path out = dir / "千代田区.csv";
  const std::string command =
      "export --pref 東京都 --city 千代田区 --offices --out " + out.string();
  const Result written = run_command(cli(command));
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(written.output, "ＣＳＶファイル出力完了。 出力件数は 6 件です。\n");
  const std::string first = file_bytes(out);
  EXPECT_EQ(
      first.substr(0, first.find("\r\n")),
      kovari::text::encode_sjis(
          u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\",\"私書箱\",\"大口事業所名等\"")
          .value());

  std::ofstream(out, std::ios::binary | std::ios::trunc) << "mine";
  EXPECT_EQ(run_command(cli(command)).status, 2);
  EXPECT_EQ(file_bytes(out), "mine");
  EXPECT_EQ(run_command(cli(command + " --yes")).status, 0);
  EXPECT_EQ(file_bytes(out), first);
}

TEST_F(OfficeExportCliTest, ExportExitStatus) {
  const std::string out = " --out " + (dir / "out.csv").string();
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"export --pref 北海道 --city 札幌市 --town 北区" + out, 0},
      {"export --pref 北海道 --no-towns --offices --hyphen" + out + " --yes", 0},
      {"export --pref 北海道 --no-towns" + out + " --yes", 2},  // nothing to write
      {"export --pref 大阪府" + out, 2},
      {"export --pref 北海道 --city 函館市" + out, 2},
      {"export --pref 北海道 --town 北区" + out, 2},
      {"export --pref 北海道", 2},
      {"export --pref 北海道 --out " + (dir / "missing" / "out.csv").string(), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run_command(cli(c.arguments, "2>/dev/null")).status, c.status) << c.arguments;
  }
}

TEST_F(OfficeExportCliTest, HelpNamesTheOptionsAndColumns) {
  const Result office = run_command(cli("office --help"));
  EXPECT_EQ(office.status, 0);
  EXPECT_NE(office.output.find("--mode MODE"), std::string::npos);
  EXPECT_NE(office.output.find("code, office name, address"), std::string::npos);
  const Result exported = run_command(cli("export -h"));
  EXPECT_EQ(exported.status, 0);
  EXPECT_NE(exported.output.find("usage: kovari-cli export --pref NAME"), std::string::npos);
  EXPECT_NE(exported.output.find("--offices"), std::string::npos);
}

}  // namespace
