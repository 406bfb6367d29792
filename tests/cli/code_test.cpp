// kovari-cli code and batch-code, run as programs on the basic fixture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "run_program.h"
#include "text/sjis.h"

namespace {

using Result = kovari::testing::CommandResult;
using kovari::testing::run_command;

const std::filesystem::path kProgram = kovari::testing::cli_program();
const std::filesystem::path kFixture = kovari::testing::fixture_folder("basic");

class CodeCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kProgram) ||
        !std::filesystem::exists(kFixture / "kovaritbl.dat")) {
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
    }
    dir = std::filesystem::path(::testing::TempDir()) /
          ("kovari_cli_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  std::string cli(const std::string& command) const {
    return kProgram.string() + " " + command + " --data " + kFixture.string() + " 2>/dev/null";
  }
  std::filesystem::path dir;
};

constexpr const char* kFound = "クリップボード複写前に丁目、番地、ビル名を追加できます。";

TEST_F(CodeCliTest, OneLinePerResult) {
  const Result result = run_command(cli("code 1000001 1008691 〒064-0820 1009999"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(
      result.output,
      std::string("1000001\t東京都千代田区千代田\t\t\t") + kFound + "\n" +
          "1008691\t東京都千代田区丸の内２丁目７－２\t東京中央郵便局私書箱第１号\t"
          "テスト商事　株式会社\t" +
          kFound + "\n" +
          "0640820\t北海道札幌市中央区大通西２０～２８丁目\t\t\t町域を特定できません。選択して下さ"
          "い。\n"
          "0640820\t北海道札幌市中央区大通西宮の森一条１～５丁目\t\t\t町域を特定できません。選択し"
          "て下さい。\n"
          "0640820\t北海道札幌市中央区大通西円山西町\t\t\t町域を特定できません。選択して下さい。\n"
          "1009999\t\t\t\t郵便番号の入力エラーです。\n");
}

TEST_F(CodeCliTest, ReadsStandardInputAndListsPrefixes) {
  const Result result =
      run_command("printf '0481\\n\\n0000\\n1000001\\n' | " + cli("code --hyphen"));
  EXPECT_EQ(result.status, 0);
  // The rows of the result list show the town-area name as stored.
  EXPECT_EQ(result.output, std::string("048-1600\t北海道余市郡仁木町以下に掲載がない場合\t\t\t\n"
                                       "048-1601\t北海道余市郡仁木町大江\t\t\t\n"
                                       "048-1602\t北海道余市郡仁木町北町\t\t\t\n"
                                       "048-1603\t北海道余市郡仁木町元気町\t\t\t\n"
                                       "0000\t\t\t\t郵便番号の入力エラーです。\n"
                                       "100-0001\t東京都千代田区千代田\t\t\t") +
                               kFound + "\n");
}

TEST_F(CodeCliTest, BatchCodeConvertsAFile) {
  std::ofstream(dir / "in.csv", std::ios::binary)
      << kovari::text::encode_sjis(u"番号,郵便番号\r\n1,1000001\r\n2,\"100,0001\"\r\n").value();
  const std::string files =
      " --in " + (dir / "in.csv").string() + " --out " + (dir / "out.csv").string();
  const Result result =
      run_command(cli("batch-code" + files + " --items 2 --code-pos 2 --start-line 2 --message"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output.rfind("一括変換処理が終了しました。\r\n変換対象件数は２件です。\r\n", 0),
            0u)
      << result.output;
  std::ifstream in(dir / "out.csv", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kovari::text::decode_sjis(bytes).value(),
            u"1,1000001,東京都千代田区千代田,\r\n2,\"100,0001\",東京都千代田区千代田,\r\n");
}

// A final blank line is no record: two records, not a third repeating the code.
TEST_F(CodeCliTest, BatchCodeIgnoresBlankLinesAtTheEnd) {
  std::ofstream(dir / "in.csv", std::ios::binary) << "x,1000001\r\ny,1010021\r\n\r\n";
  const Result result = run_command(cli("batch-code --in " + (dir / "in.csv").string() + " --out " +
                                        (dir / "out.csv").string() + " --items 2 --code-pos 2"));
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("変換対象件数は２件です。"), std::string::npos) << result.output;
  std::ifstream in(dir / "out.csv", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kovari::text::decode_sjis(bytes).value(),
            u"x,1000001,東京都千代田区千代田\r\ny,1010021,東京都千代田区外神田\r\n");
}

TEST_F(CodeCliTest, BatchCodeExitStatus) {
  std::ofstream(dir / "in.csv", std::ios::binary) << "1,1000001\r\n";
  const std::string in = " --in " + (dir / "in.csv").string();
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {in + " --out " + (dir / "out.csv").string() + " --items 2 --code-pos 2", 0},
      // The item count differs from the first line: refused unless --yes.
      {in + " --out " + (dir / "out.csv").string() + " --items 3 --code-pos 2", 2},
      {in + " --out " + (dir / "out.csv").string() + " --items 3 --code-pos 2 --yes", 0},
      {in + " --out " + (dir / "in.csv").string() + " --items 2 --code-pos 2", 2},
      {in + " --out " + (dir / "missing" / "out.csv").string() + " --items 2 --code-pos 2", 1},
      {in + " --out " + (dir / "out.csv").string() + " --code-pos 2", 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run_command(cli("batch-code" + c.arguments)).status, c.status) << c.arguments;
  }
}

// File names reach the file system as the bytes given: a name in Shift-JIS
// bytes, or one that is no text at all.
TEST_F(CodeCliTest, BatchCodeTakesFileNamesAsBytes) {
  const std::filesystem::path in = dir / "in\x93\x8c.csv";
  const std::filesystem::path out = dir / "out\xff.csv";
  std::ofstream(in, std::ios::binary) << "1,1000001\r\n";
  const Result result = run_command(cli("batch-code --in '" + in.string() + "' --out '" +
                                        out.string() + "' --items 2 --code-pos 2"));
  EXPECT_EQ(result.status, 0);
  std::ifstream written(out, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(written)),
                          std::istreambuf_iterator<char>());
  EXPECT_EQ(kovari::text::decode_sjis(bytes).value_or(u"?"), u"1,1000001,東京都千代田区千代田\r\n");
}

}  // namespace
