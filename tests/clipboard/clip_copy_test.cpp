#include "clipboard/clip_copy.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::clipboard {
namespace {

using kovari::testing::RecordingHost;

settings::Settings with_flags(int hyphen, int comma) {
  settings::Settings settings;
  settings.set_flag(settings::Flag::kHyphen, hyphen);
  settings.set_flag(settings::Flag::kCommaSeparator, comma);
  return settings;
}

TEST(ClipCopyTest, ResultLineFollowsTheCodeFormatAndTheSeparator) {
  const struct {
    int hyphen, comma;
    ResultItems items;
    std::u16string_view line;
  } cases[] = {
      {0,
       1,
       {u"1000001", u"東京都千代田区千代田", u"", u""},
       u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"},
      {0,
       0,
       {u"1000001", u"東京都千代田区千代田", u"", u""},
       u"\"1000001\"\t\"東京都千代田区千代田\"\t\"\"\t\"\"\r\n"},
      {1,
       1,
       {u"1000001", u"東京都千代田区千代田", u"", u""},
       u"\"100-0001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"},
      {1,
       0,
       {u"0010000", u"北海道札幌市北区", u"", u""},
       u"\"001-0000\"\t\"北海道札幌市北区\"\t\"\"\t\"\"\r\n"},
      // Every item trimmed of half-width blanks; full-width blanks stay.
      {0,
       1,
       {u" 1008692 ", u" 東京都千代田区大手町１丁目３－１ ", u"東京中央郵便局私書箱第２号 ",
        u"テスト商事　株式会社"},
       u"\"1008692\",\"東京都千代田区大手町１丁目３－１\",\"東京中央郵便局私書箱第２号\","
       u"\"テスト商事　株式会社\"\r\n"},
      // A code that is not a number is written as it stands.
      {1, 1, {u"100-0001", u"住所", u"", u""}, u"\"100-0001\",\"住所\",\"\",\"\"\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(result_line(c.items, with_flags(c.hyphen, c.comma)), c.line) << text::to_utf8(c.line);
  }
}

TEST(ClipCopyTest, FirstCopyOfARunAsksOnlyAboutTextLeftOnTheClipboard) {
  const std::u16string question = std::u16string(kClearQuestionTitle) + u"|" +
                                  u"テキストデータがクリップボードに残っています。\r\n"
                                  u"クリップボードをクリアしても構いませんか。";
  const struct {
    const char* name;
    std::optional<std::u16string> clipboard;
    bool answer_yes;
    int questions;
    std::u16string_view after_two_copies;
  } cases[] = {
      {"text left, Yes", u"よその文\r\n", true, 1, u"A\r\nB\r\n"},
      {"text left, No", u"よその文\r\n", false, 1, u"よその文\r\nA\r\nB\r\n"},
      {"no text", std::nullopt, true, 0, u"A\r\nB\r\n"},
  };
  for (const auto& c : cases) {
    RecordingHost host(c.answer_yes);
    host.clipboard = c.clipboard;
    bool clip_asked = false;
    append_to_clipboard(host, clip_asked, u"A\r\n");
    EXPECT_TRUE(clip_asked) << c.name;
    append_to_clipboard(host, clip_asked, u"B\r\n");
    ASSERT_EQ(static_cast<int>(host.questions.size()), c.questions) << c.name;
    if (c.questions == 1) {
      EXPECT_EQ(host.questions.front(), question) << c.name;
    }
    EXPECT_EQ(host.clipboard, std::u16string(c.after_two_copies)) << c.name;
  }
}

TEST(ClipCopyTest, AQuestionAskedInAnotherWindowIsNotAskedAgain) {
  RecordingHost host(true);
  host.clipboard = u"よその文";
  bool clip_asked = true;
  append_to_clipboard(host, clip_asked, u"A\r\n");
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.clipboard_clears, 0);
  EXPECT_EQ(host.clipboard, u"よその文A\r\n");
}

}  // namespace
}  // namespace kovari::clipboard
