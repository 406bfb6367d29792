#include "result_list/list_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::result_list {
namespace {

using kovari::testing::RecordingHost;

ResultRow row(std::u16string code, std::u16string address, std::u16string pobox = u"",
              std::u16string office = u"") {
  ResultRow r;
  r.code = std::move(code);
  r.address = std::move(address);
  r.pobox = std::move(pobox);
  r.office = std::move(office);
  return r;
}

// The clipboard items (code, address, post-office box, office), the append
// flag, the code format and the separator.
settings::Settings flags(std::array<int, 4> items, int append, int hyphen, int comma) {
  using settings::Flag;
  settings::Settings settings;
  const Flag item_flags[] = {Flag::kClipCode, Flag::kClipAddress, Flag::kClipPobox,
                             Flag::kClipOffice};
  for (int i = 0; i < 4; ++i) settings.set_flag(item_flags[i], items[i]);
  settings.set_flag(Flag::kClipAppend, append);
  settings.set_flag(Flag::kHyphen, hyphen);
  settings.set_flag(Flag::kCommaSeparator, comma);
  return settings;
}

TEST(ListCopyTest, EditClipWritesTheChosenItems) {
  const ResultRow office = row(u"1008692", u"東京都千代田区大手町１丁目３－１ ",
                               u"東京中央郵便局私書箱第２号", u"テスト商事");
  const struct {
    const char* name;
    std::array<int, 4> items;
    int append, hyphen, comma;
    std::u16string_view text;
  } cases[] = {
      {"code and address, comma",
       {1, 1, 0, 0},
       1,
       0,
       1,
       u"\"1008692\",\"東京都千代田区大手町１丁目３－１\"\r\n"},
      {"code and address, tab, hyphen",
       {1, 1, 0, 0},
       0,
       1,
       0,
       u"\"100-8692\"\t\"東京都千代田区大手町１丁目３－１\"\r\n"},
      {"all four",
       {1, 1, 1, 1},
       1,
       0,
       1,
       u"\"1008692\",\"東京都千代田区大手町１丁目３－１\",\"東京中央郵便局私書箱第２号\","
       u"\"テスト商事\"\r\n"},
      // Without the code, the line starts with its first chosen item.
      {"address and office",
       {0, 1, 0, 1},
       1,
       0,
       1,
       u"\"東京都千代田区大手町１丁目３－１\",\"テスト商事\"\r\n"},
      {"address alone, overwrite", {0, 1, 0, 0}, 0, 0, 1, u"東京都千代田区大手町１丁目３－１"},
      {"address alone, append", {0, 1, 0, 0}, 1, 0, 1, u"東京都千代田区大手町１丁目３－１\r\n"},
      {"code alone, hyphen", {1, 0, 0, 0}, 0, 1, 0, u"100-8692"},
      {"nothing chosen", {0, 0, 0, 0}, 1, 0, 1, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(edit_clip(office, flags(c.items, c.append, c.hyphen, c.comma)), c.text) << c.name;
  }
  EXPECT_EQ(edit_clip(row(u"", u""), flags({1, 1, 1, 1}, 1, 0, 1)), u"");  // the separator
}

TEST(ListCopyTest, WhichRowsACopyWrites) {
  const std::vector<ResultRow> rows = {row(u"1000001", u"東京都千代田区千代田"),
                                       row(u"1000002", u"東京都千代田区皇居外苑"),
                                       row(u"", u""),  // the separator of a municipality list
                                       row(u"1000004", u"東京都千代田区大手町"),
                                       row(u"1000005", u"東京都千代田区丸の内"),
                                       row(u"1000006", u"東京都千代田区有楽町")};
  const std::vector<int> five = {5, 3, 1, 0, 4};
  const settings::Settings overwrite = flags({1, 1, 0, 0}, 0, 0, 1);
  const settings::Settings append = flags({1, 1, 0, 0}, 1, 0, 1);
  const std::u16string_view all_lines =
      u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
      u"\"1000002\",\"東京都千代田区皇居外苑\",\"\",\"\"\r\n"
      u"\"1000004\",\"東京都千代田区大手町\",\"\",\"\"\r\n"
      u"\"1000005\",\"東京都千代田区丸の内\",\"\",\"\"\r\n"
      u"\"1000006\",\"東京都千代田区有楽町\",\"\",\"\"\r\n";
  const struct {
    const char* name;
    ListMode mode;
    const settings::Settings& settings;
    std::vector<int> selected;
    std::u16string_view text;
  } cases[] = {
      // Modes 1 and 3: every selected row, in list order, whatever the settings.
      {"office, five rows", ListMode::Office, overwrite, five, all_lines},
      {"prefix, five rows", ListMode::Prefix, append, five, all_lines},
      {"prefix, separator", ListMode::Prefix, append, {2}, u""},
      // Modes 2 and 4 overwrite with the first selected row, or append them all.
      {"municipality, overwrite", ListMode::Municipality, overwrite, five,
       u"\"1000001\",\"東京都千代田区千代田\"\r\n"},
      {"municipality, append",
       ListMode::Municipality,
       append,
       {3, 2, 1},
       u"\"1000002\",\"東京都千代田区皇居外苑\"\r\n\"1000004\",\"東京都千代田区大手町\"\r\n"},
      {"town name, overwrite",
       ListMode::TownName,
       overwrite,
       {4, 3},
       u"\"1000004\",\"東京都千代田区大手町\"\r\n"},
      {"nothing selected", ListMode::TownName, append, {}, u""},
      {"outside the list", ListMode::Prefix, append, {-1, 6}, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(copy_text(c.mode, rows, c.selected, c.settings), c.text) << c.name;
  }
}

TEST(ListCopyTest, OverwritingCopiesClearTheClipboardWithoutAsking) {
  const std::vector<ResultRow> rows = {row(u"1000001", u"東京都千代田区千代田")};
  const std::vector<int> first = {0};
  const struct {
    const char* name;
    ListMode mode;
    int append;
    bool answer_yes;
    int questions;
    std::u16string_view clipboard;
  } cases[] = {
      {"municipality, overwrite", ListMode::Municipality, 0, false, 0, u"東京都千代田区千代田"},
      {"municipality, append, No", ListMode::Municipality, 1, false, 1,
       u"よその文\r\n東京都千代田区千代田\r\n"},
      {"municipality, append, Yes", ListMode::Municipality, 1, true, 1,
       u"東京都千代田区千代田\r\n"},
      {"prefix, No", ListMode::Prefix, 0, false, 1,
       u"よその文\r\n\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"},
      {"prefix, Yes", ListMode::Prefix, 0, true, 1,
       u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"},
  };
  for (const auto& c : cases) {
    RecordingHost host(c.answer_yes);
    host.clipboard = u"よその文\r\n";
    bool clip_asked = false;
    const settings::Settings settings = flags({0, 1, 0, 0}, c.append, 0, 1);
    copy_rows(host, clip_asked, c.mode, rows, first, settings);
    EXPECT_TRUE(clip_asked) << c.name;
    EXPECT_EQ(static_cast<int>(host.questions.size()), c.questions) << c.name;
    EXPECT_EQ(host.clipboard, std::u16string(c.clipboard)) << c.name;
    // A later copy never asks.
    copy_rows(host, clip_asked, c.mode, rows, first, settings);
    EXPECT_EQ(static_cast<int>(host.questions.size()), c.questions) << c.name;
  }
}

}  // namespace
}  // namespace kovari::result_list
