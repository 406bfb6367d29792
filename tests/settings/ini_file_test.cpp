#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "text/sjis.h"

namespace kovari::settings {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(dir_.parent_path(), error);
  }

  // Writes `content` (UTF-16, stored as Shift-JIS) and reads it over the defaults.
  Settings read(std::u16string_view content) { return read_bytes(*text::encode_sjis(content)); }
  Settings read_bytes(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    Settings settings = default_settings();
    EXPECT_EQ(get_ini_file(path_, settings), IniRead::kRead);
    return settings;
  }
  std::string file_bytes() {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  const std::filesystem::path dir_ = [] {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        ("kovari_settings_" + std::to_string(getpid())) /
        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
  }();
  const std::filesystem::path path_ = dir_ / "kovaritbl.ini";
};

Settings sample_settings() {
  Settings s = default_settings();
  s.form_top[1] = 1200;
  s.form_left[1] = 3000;
  s.form_top[4] = -120;
  s.form_left[51] = 45;
  s.ctl_flg[3] = 1;
  s.ctl_flg[6] = 0;
  s.control9_flg = 1;
  s.in_file_name = u"  /home/user/住所一覧.csv ";
  s.out_file_name2 = u"出力.txt";
  s.text_pairs = {{u"ヶ", u"ケ"}, {u"ﾉ", u"之"}};
  s.text_section_read = true;
  return s;
}

TEST_F(IniFileTest, WrittenFileHasTheFixedLayout) {
  const std::u16string expected =
      u"[Form]\r\n"
      u"kovari1_top=1200\r\nkovari1_left=3000\r\n"
      u"kovari2_top=0\r\nkovari2_left=0\r\n"
      u"kovari3_top=0\r\nkovari3_left=0\r\n"
      u"kovari4_top=-120\r\nkovari4_left=0\r\n"
      u"kovari5_top=0\r\nkovari5_left=0\r\n"
      u"kovari51_top=0\r\nkovari51_left=45\r\n"
      u"kovari6_top=0\r\nkovari6_left=0\r\n"
      u"kovari7_top=0\r\nkovari7_left=0\r\n"
      u"kovari8_top=0\r\nkovari8_left=0\r\n"
      u"kovari11_top=0\r\nkovari11_left=0\r\n"
      u"kovari12_top=0\r\nkovari12_left=0\r\n"
      u"kovari13_top=0\r\nkovari13_left=0\r\n"
      u"kovari14_top=0\r\nkovari14_left=0\r\n"
      u"kovari15_top=0\r\nkovari15_left=0\r\n"
      u"kovari16_top=0\r\nkovari16_left=0\r\n"
      u"[Control]\r\n"
      u"control1_flg=0\r\ncontrol2_flg=0\r\ncontrol3_flg=0\r\ncontrol9_flg=1\r\n"
      u"ctl_flg(1)=0\r\nctl_flg(2)=0\r\nctl_flg(3)=1\r\nctl_flg(4)=0\r\n"
      u"ctl_flg(5)=0\r\nctl_flg(6)=0\r\nctl_flg(7)=0\r\nctl_flg(8)=0\r\n"
      u"ctl_flg(9)=0\r\nctl_flg(10)=0\r\nctl_flg(11)=1\r\nctl_flg(12)=1\r\n"
      u"ctl_flg(13)=1\r\nctl_flg(14)=1\r\nctl_flg(15)=1\r\nctl_flg(16)=1\r\n"
      u"in_file_name=/home/user/住所一覧.csv\r\n"
      u"out_file_name=\r\n"
      u"in_file_name2=\r\n"
      u"out_file_name2=出力.txt\r\n"
      u"[Text]\r\n"
      u"\"ヶ\",\"ケ\"\r\n"
      u"\"ﾉ\",\"之\"\r\n";
  ASSERT_TRUE(put_ini_file(path_, sample_settings()));
  EXPECT_EQ(file_bytes(), *text::encode_sjis(expected));
}

TEST_F(IniFileTest, RoundTrip) {
  const Settings written = sample_settings();
  ASSERT_TRUE(put_ini_file(path_, written));
  Settings read_back = default_settings();
  ASSERT_EQ(get_ini_file(path_, read_back), IniRead::kRead);
  EXPECT_EQ(read_back.form_top, written.form_top);
  EXPECT_EQ(read_back.form_left, written.form_left);
  EXPECT_EQ(read_back.ctl_flg, written.ctl_flg);
  EXPECT_EQ(read_back.control9_flg, 1);
  EXPECT_EQ(read_back.in_file_name, u"/home/user/住所一覧.csv");
  EXPECT_EQ(read_back.out_file_name2, written.out_file_name2);
  EXPECT_EQ(read_back.text_pairs, written.text_pairs);
  EXPECT_TRUE(read_back.text_section_read);
}

TEST_F(IniFileTest, WritingReplacesTheOldFileAndLeavesNothingBeside) {
  std::ofstream(path_, std::ios::binary) << "old content";
  ASSERT_TRUE(put_ini_file(path_, default_settings()));
  EXPECT_EQ(file_bytes().rfind("[Form]\r\n", 0), 0u);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(IniFileTest, WritingIntoAMissingFolderFails) {
  EXPECT_FALSE(put_ini_file(dir_ / "no such folder" / "kovaritbl.ini", default_settings()));
}

TEST_F(IniFileTest, FlagsReadOnlyTheLastCharacter) {
  const struct {
    std::u16string_view line;
    int expected;
  } kCases[] = {
      {u"ctl_flg(3)=1", 1},  {u"ctl_flg(3)=10", 0}, {u"ctl_flg(3)=", 0},
      {u"ctl_flg(3)=x7", 7}, {u"ctl_flg(3)=-1", 1}, {u"ctl_flg(3)=yes", 0},
  };
  for (const auto& c : kCases) {
    const Settings s = read(u"[Control]\r\n" + std::u16string(c.line) + u"\r\n");
    EXPECT_EQ(s.ctl_flg[3], c.expected) << text::to_utf8(c.line);
  }
}

TEST_F(IniFileTest, WindowPositions) {
  const struct {
    std::u16string_view line;
    int top4;
  } kCases[] = {
      {u"kovari4_top=-120", -120},  {u"kovari4_top=2.5", 2}, {u"kovari4_top=3.5", 4},
      {u"kovari4_top=1 200", 1200}, {u"kovari4_top=abc", 0}, {u"kovari4_top=99999", 0},
  };
  for (const auto& c : kCases) {
    const Settings s = read(u"[Form]\r\n" + std::u16string(c.line) + u"\r\n");
    EXPECT_EQ(s.form_top[4], c.top4) << text::to_utf8(c.line);
  }
}

TEST_F(IniFileTest, FileNameWithCommaIsCut) {
  const Settings s = read(u"[Control]\r\nin_file_name= C:\\data\\a,b.csv\r\n");
  EXPECT_EQ(s.in_file_name, u"C:\\data\\a");
}

TEST_F(IniFileTest, WithoutTextSectionNoPairsAreRead) {
  const Settings s = read(u"[Form]\r\nkovari1_top=5\r\n[Control]\r\nctl_flg(1)=2\r\n");
  EXPECT_FALSE(s.text_section_read);
  EXPECT_TRUE(s.text_pairs.empty());
  EXPECT_EQ(s.ctl_flg[1], 2);
}

TEST_F(IniFileTest, TextSectionEndsTheFile) {
  const Settings s =
      read(u"[Text]\r\n\"ヶ\",\"ケ\"\r\n[Control]\r\nctl_flg(1)=2\r\n\"a\",\"b\",\"c\"\r\n");
  EXPECT_TRUE(s.text_section_read);
  const std::vector<TextPair> expected = {
      {u"ヶ", u"ケ"}, {u"[Control]", u"ctl_flg(1)=2"}, {u"a", u"b"}};  // "c" has no partner
  EXPECT_EQ(s.text_pairs, expected);
  EXPECT_EQ(s.ctl_flg[1], 0);
}

// Pairs beyond the table's room are not used, but they are the user's: kept
// to be saved again.
TEST_F(IniFileTest, TextPairsBeyondTheTableSizeAreKept) {
  std::u16string content = u"[Text]\r\n";
  for (int k = 0; k < 150; ++k) content += u"\"x\",\"y\"\r\n";
  EXPECT_EQ(read(content).text_pairs.size(), 150u);
}

TEST_F(IniFileTest, KeysOutsideTheirSectionsAreIgnored) {
  const Settings s = read(
      u"kovari1_top=111\r\nctl_flg(2)=1\r\n"
      u"[Form]\r\nctl_flg(4)=1\r\n[Other]\r\nkovari2_top=7\r\n"
      u"[Control]\r\nkovari3_top=9\r\n=1\r\nctl_flg(5)\r\n"
      u"[Form]\r\nkovari1_left=33\r\n");
  EXPECT_EQ(s.form_top[1], 0);
  EXPECT_EQ(s.ctl_flg[2], 0);
  EXPECT_EQ(s.ctl_flg[4], 0);
  EXPECT_EQ(s.form_top[2], 7);  // an unknown header leaves the section as it was
  EXPECT_EQ(s.form_top[3], 0);
  EXPECT_EQ(s.ctl_flg[5], 0);
  EXPECT_EQ(s.form_left[1], 33);  // a second [Form] is read like the first
}

TEST_F(IniFileTest, GarbageKeepsTheDefaults) {
  const std::string invalid_sjis = "\x82\x0a\xff\xfe";
  std::string long_line(1 << 20, 'x');
  long_line += "=5";
  std::string commas(1 << 20, ',');
  const std::string bytes = "\x01\x02garbage\r\n[Control]\r\n" + invalid_sjis + "ctl_flg(1)=1\r\n" +
                            long_line + "\r\n" + commas + "\r\n\r\n\n\r" + "ctl_flg(2)=1\n" +
                            "ctl_flg(6)=0\r" + "kovari1_top=5\r\n" + "\"unclosed, ctl_flg(7)=1\r\n";
  const Settings s = read_bytes(bytes);
  EXPECT_EQ(s.ctl_flg[1], 0);  // its line is not Shift-JIS
  EXPECT_EQ(s.ctl_flg[2], 1);
  EXPECT_EQ(s.ctl_flg[6], 0);
  EXPECT_EQ(s.ctl_flg[7], 0);
  EXPECT_EQ(s.ctl_flg[11], 1);
  EXPECT_EQ(s.form_top[1], 0);
  EXPECT_FALSE(s.text_section_read);
}

TEST_F(IniFileTest, MissingFileLeavesTheDefaults) {
  Settings s = default_settings();
  EXPECT_EQ(get_ini_file(dir_ / "absent.ini", s), IniRead::kMissing);
  EXPECT_EQ(get_ini_file(dir_, s), IniRead::kUnreadable);  // a folder
  EXPECT_EQ(s.ctl_flg, default_settings().ctl_flg);
}

TEST(DefaultSettingsTest, FlagsThatStartOn) {
  const Settings s = default_settings();
  for (int flag = 1; flag <= 16; ++flag) {
    EXPECT_EQ(s.ctl_flg[flag], (flag == 6 || flag >= 11) ? 1 : 0) << flag;
  }
  EXPECT_FALSE(s.text_section_read);
}

// The names the program uses stand for the numbers of the file.
TEST(SettingsSlotsTest, NamedFlagsAndWindowsAreTheNumbersOfTheFile) {
  Settings s;
  s.set_flag(Flag::kHyphen, 1);
  s.set_flag(Flag::kDetailPass, 1);
  s.set_position(WindowNumber::kBatchCodeToAddress, {-15, 30});
  s.set_position(WindowNumber::kAddressEditFormat, {45, 60});
  const std::string bytes = ini_file_bytes(s);
  for (const char* line :
       {"ctl_flg(3)=1\r\n", "ctl_flg(10)=1\r\n", "ctl_flg(4)=0\r\n",
        "kovari51_top=-15\r\nkovari51_left=30\r\n", "kovari16_top=45\r\nkovari16_left=60\r\n"}) {
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kovari::settings
