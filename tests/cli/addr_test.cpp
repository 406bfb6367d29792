// kovari-cli addr, run as a program on the basic fixture: one tab-separated
// line per address (code, message, decomposed parts, the address as given),
// from the arguments or from standard input, in input order.
#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace {

using kovari::testing::cli_and_fixture_built;
using kovari::testing::cli_program;
using kovari::testing::fixture_folder;
using kovari::testing::run_command;

constexpr const char* kNothingGiven = "都道府県名、区市郡島名、区町村名のすべてを省略できません。";

class AddrCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!cli_and_fixture_built("basic"))
      GTEST_SKIP() << "kovari-cli or the basic fixture not built";
  }
  static std::string addr(const std::string& options) {
    return cli_program().string() + " addr --data " + fixture_folder("basic").string() + options;
  }
};

TEST_F(AddrCliTest, OneLinePerArgumentInOrder) {
  const kovari::testing::CommandResult result =
      run_command(addr(" '東京都千代田区丸の内１－１－１' '北海道札幌市中央区旭ケ丘'"
                       " 'あいうえお' '東京都大島町元町'"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output,
            "1000005\t\t東京都,千代田区,,丸の内,1,1,1,,\t東京都千代田区丸の内１－１－１\n"
            "0640941\t\t北海道,札幌市,中央区,旭ケ丘,,,,,\t北海道札幌市中央区旭ケ丘\n" +
                std::string("\t") + kNothingGiven + "\t,,,あいうえお,,,,,\tあいうえお\n" +
                "1000101\t\t東京都,大島,町,元町,,,,,\t東京都大島町元町\n");
}

TEST_F(AddrCliTest, StandardInputLinesWhenNoArgument) {
  struct Case {
    const char* name;
    const char* input;  // printf format of the lines fed to standard input
    std::string expected;
  };
  const Case cases[] = {
      {"crlf and lf lines keep their order",
       "北海道札幌市北区北１０条西４丁目\\r\\n東京都新宿区西新宿２－８－１\\n",
       "0010010\t\t北海道,札幌市,北区,北十条西,4,,,,\t北海道札幌市北区北１０条西４丁目\n"
       "1600023\t\t東京都,新宿区,,西新宿,2,8,1,,\t東京都新宿区西新宿２－８－１\n"},
      {"an empty line resolves to nothing", "\\n",
       std::string("\t") + kNothingGiven + "\t,,,,,,,,\t\n"},
      {"a last line without line end", "東京都千代田区丸の内一丁目",
       "1000005\t\t東京都,千代田区,,丸の内,1,,,,\t東京都千代田区丸の内一丁目\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const kovari::testing::CommandResult result =
        run_command("printf '" + std::string(c.input) + "' | " + addr(""));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, c.expected);
  }
}

TEST_F(AddrCliTest, HyphenWritesCodesAsThreeAndFourDigits) {
  const kovari::testing::CommandResult result =
      run_command(addr(" --hyphen '東京都大島町元町' 'あいうえお'"));
  EXPECT_EQ(result.status, 0);
  // An address that resolves to nothing keeps its empty code: no lone hyphen.
  EXPECT_EQ(result.output, "100-0101\t\t東京都,大島,町,元町,,,,,\t東京都大島町元町\n" +
                               std::string("\t") + kNothingGiven +
                               "\t,,,あいうえお,,,,,\tあいうえお\n");
}

}  // namespace
