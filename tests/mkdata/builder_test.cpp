// The whole build over small CSV texts: what is reported, and that nothing is
// written when the readers would misread a file.
#include "builder.h"

#include <gtest/gtest.h>

#include <cstdio>

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
  const auto dir = std::filesystem::temp_directory_path() / ("kovari_mkdata_" + name);
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
  ASSERT_EQ(report.messages().size(), 2u);
  EXPECT_EQ(report.messages()[0].rfind("KEN_ALL.CSV:2: ", 0), 0u) << report.messages()[0];
  EXPECT_EQ(report.messages()[1].rfind("JIGYOSYO.CSV:2: ", 0), 0u) << report.messages()[1];
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

}  // namespace
}  // namespace kovari::mkdata
