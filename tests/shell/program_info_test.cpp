#include "shell/program_info.h"

#include <gtest/gtest.h>

namespace kovari::shell {
namespace {

TEST(ProgramInfoTest, VersionLinesAndTheDataDate) {
  EXPECT_EQ(splash_version("1.4.2"), u"Version  1.4.2");
  EXPECT_EQ(system_info_version("1.4.2"), u"Version 1.4.2");
  EXPECT_EQ(data_date_note(u"2025/09/30"), u"2025/09/30現在のデータを使用しています\r\n");
  EXPECT_EQ(data_date_note(u"不明"), u"不明現在のデータを使用しています\r\n");
}

}  // namespace
}  // namespace kovari::shell
