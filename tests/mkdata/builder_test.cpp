// The whole build over small CSV texts: what is reported, and that nothing is
// written when the readers would misread a file.
#include "builder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "prefecture_cover.h"
#include "support/file_tricks.h"
#include "text/sjis.h"

namespace kovari::mkdata {
namespace {

std::string sjis(const std::u16string& text) { return text::encode_sjis(text).value_or(""); }

std::u16string ken_all_line(int pref, std::u16string_view town = u"以下に掲載がない場合") {
  char jis[8], code[8];
  std::snprintf(jis, sizeof jis, "%02d101", pref);
  std::snprintf(code, sizeof code, "%02d00000", pref);
  return text::from_utf8(std::string(jis) + ",\"" + std::string(code, 3) + "  \",\"" + code +
                         "\",\"\",\"\",\"ｲｶ\",\"") +
         u"県" + text::from_utf8(std::to_string(pref)) + u"\",\"市\",\"" + std::u16string(town) +
         u"\",0,0,0,0,0,0\r\n";
}

std::filesystem::path fresh_dir(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("kovari_mkdata_" + name + "_" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  return dir;
}

TEST(BuilderTest, TooManyPrefecturesWritesNothing) {
  std::u16string ken_all;
  for (int pref = 1; pref <= 51; ++pref) ken_all += ken_all_line(pref);
  Report report;
  const BuildOutput built = build_data_files(sjis(ken_all), "", report);
  EXPECT_TRUE(report.has_fatal());
  const auto dir = fresh_dir("fatal");
  EXPECT_FALSE(write_data_files(built.files, dir, report));
  EXPECT_FALSE(std::filesystem::exists(dir / "kovaritbl.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "kovaritbl.dat.tmp"));
}

TEST(BuilderTest, UnusableLinesAreReportedAndLeftOut) {
  const std::u16string ken_all = ken_all_line(1) + u"01101,\"010  \"\r\n" + ken_all_line(1, u"旭");
  const std::u16string jigyosyo =
      u"\"01101\",\"\",\"会社\",\"県1\",\"市\",\"旭\",\"１\",\"0100001\",\"010  \",\"\",0,0,0\r\n"
      u"\"99999\",\"\",\"会社\",\"県\",\"市\",\"町\",\"１\",\"9999901\",\"999  \",\"\",0,0,0\r\n";
  Report report;
  const BuildOutput built = build_data_files(sjis(ken_all), sjis(jigyosyo), report);
  EXPECT_FALSE(report.has_fatal());
  EXPECT_EQ(report.skipped_lines(), 2);
  ASSERT_EQ(report.messages().size(), 3u);
  EXPECT_EQ(report.messages()[0].rfind("KEN_ALL.CSV:2: ", 0), 0u) << report.messages()[0];
  EXPECT_EQ(report.messages()[1].rfind("note: KEN_ALL.CSV has no rows for 46 prefecture(s): ", 0),
            0u)
      << report.messages()[1];
  EXPECT_EQ(report.messages()[2].rfind("JIGYOSYO.CSV:2: ", 0), 0u) << report.messages()[2];
  EXPECT_EQ(built.counts.town_areas, 2);
  EXPECT_EQ(built.counts.details, 1);
  const auto dir = fresh_dir("written");
  ASSERT_TRUE(write_data_files(built.files, dir, report));
  for (const DataFile& file : built.files) {
    EXPECT_EQ(std::filesystem::file_size(dir / file.name),
              static_cast<std::uintmax_t>(file.bytes.size()));
    EXPECT_EQ(file.bytes.size() % 1024, 0) << file.name;
  }
}

TEST(BuilderTest, AKenAllCutInsideItsLastLineIsFatal) {
  std::u16string ken_all;
  for (int pref = 1; pref <= 47; ++pref) ken_all += ken_all_line(pref);
  const std::string whole = sjis(ken_all);
  {
    Report report;
    build_data_files(whole, "", report);
    EXPECT_FALSE(report.has_fatal());
    EXPECT_TRUE(report.messages().empty());  // every prefecture has its rows
  }
  for (const std::size_t cut : {whole.size() - 1, whole.size() - 2, whole.size() - 30}) {
    Report report;
    build_data_files(whole.substr(0, cut), "", report);
    EXPECT_TRUE(report.has_fatal()) << cut;
    const std::vector<std::string>& messages = report.messages();
    EXPECT_NE(
        std::find(messages.begin(), messages.end(),
                  "error: KEN_ALL.CSV:47: the last line has no line end: the file is cut short"),
        messages.end())
        << cut;
  }
}

TEST(BuilderTest, PrefecturesWithoutRowsAreNamed) {
  std::u16string ken_all;
  for (int pref = 1; pref <= 47; ++pref) {
    if (pref != 13 && pref != 47) ken_all += ken_all_line(pref);
  }
  Report report;
  build_data_files(sjis(ken_all), "", report);
  EXPECT_FALSE(report.has_fatal());
  ASSERT_EQ(report.messages().size(), 1u);
  EXPECT_EQ(report.messages()[0],
            "note: KEN_ALL.CSV has no rows for 2 prefecture(s): 東京都、沖縄県");
}

// Whatever fails while the files are written, the folder holds what it held.
TEST(BuilderTest, AFailedWriteLeavesNoTemporaryFile) {
  Report report;
  const BuildOutput built = build_data_files(sjis(ken_all_line(1)), "", report);
  ASSERT_FALSE(report.has_fatal());
  const auto dir = fresh_dir("no_temporary");
  std::filesystem::create_directories(dir / "kovari3tbl.dat");  // not a file it may replace
  kovari::testing::write_bytes(dir / "kovaritbl.dat", "old");
  EXPECT_FALSE(write_data_files(built.files, dir, report));
  EXPECT_EQ(kovari::testing::folder_entries(dir),
            (std::set<std::string>{"kovari3tbl.dat", "kovaritbl.dat"}));
  EXPECT_EQ(kovari::testing::file_bytes(dir / "kovaritbl.dat"), "old");

  std::filesystem::remove(dir / "kovari3tbl.dat");
  Report full_report;
  {
    const kovari::testing::FileSizeLimit full_disk(2048);
    EXPECT_FALSE(write_data_files(built.files, dir, full_report));
  }
  EXPECT_NE(full_report.messages().back().find("cannot be written"), std::string::npos);
  EXPECT_EQ(kovari::testing::folder_entries(dir), std::set<std::string>{"kovaritbl.dat"});
  EXPECT_EQ(kovari::testing::file_bytes(dir / "kovaritbl.dat"), "old");
}

}  // namespace
}  // namespace kovari::mkdata
