#include "batch/field_checks.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "text/sjis.h"

namespace kovari::batch {
namespace {

TEST(BatchFieldChecksTest, EachFieldsRule) {
  EXPECT_EQ(address_item_count(u"2"), 2);
  EXPECT_EQ(address_item_count(u"50"), 50);
  for (auto bad : {u"1", u"51", u"", u"x", u"-3"}) {
    EXPECT_FALSE(address_item_count(bad)) << text::to_utf8(bad);
  }
  EXPECT_EQ(code_item_count(u"1"), 1);
  EXPECT_FALSE(code_item_count(u"0"));
  EXPECT_FALSE(code_item_count(u"51"));

  EXPECT_EQ(address_code_position(u"0", 3), 0);
  EXPECT_EQ(address_code_position(u"3", 3), 3);
  EXPECT_FALSE(address_code_position(u"4", 3));
  EXPECT_FALSE(address_code_position(u"a", 3));
  EXPECT_EQ(code_code_position(u"2", 3), 2);
  EXPECT_FALSE(code_code_position(u"0", 3));
  EXPECT_FALSE(code_code_position(u"4", 3));

  // A 住所 position may not be the old code's item.
  EXPECT_EQ(address_position(u"2", 3, 1), 2);
  EXPECT_FALSE(address_position(u"1", 3, 1));
  EXPECT_EQ(address_position(u"1", 3, 0), 1);
  EXPECT_EQ(address_position(u"0", 3, 1), 0);
  EXPECT_FALSE(address_position(u"4", 3, 0));

  // Address to code: only a number below 1 is refused; other text converts all.
  EXPECT_EQ(address_start_line(u""), 0);
  EXPECT_EQ(address_start_line(u"abc"), 0);
  EXPECT_EQ(address_start_line(u"3"), 3);
  EXPECT_FALSE(address_start_line(u"0"));
  // Code to address: empty is 1, other text is refused.
  EXPECT_EQ(code_start_line(u" "), 1);
  EXPECT_EQ(code_start_line(u"2"), 2);
  EXPECT_FALSE(code_start_line(u"abc"));
}

class BatchFieldEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The process's own folder: ctest runs the tests of this fixture side by side.
    dir = std::filesystem::path(::testing::TempDir()) /
          ("kovari_field_entry_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in.csv", std::ios::binary) << "a,b,c\r\n";
    fields.in_file = dir / "in.csv";
    fields.item_count = u"3";
    fields.code_pos = u"1";
    fields.address_pos[0] = u"2";
    fields.out_file = dir / "out.csv";
  }
  std::filesystem::path dir;
  BatchFieldTexts fields;
};

TEST_F(BatchFieldEntryTest, EnterInEachAddressFieldPromptsForTheNextOrStays) {
  constexpr auto kWindow = ConversionWindow::kBatchAddressToCode;
  const struct {
    Focus field;
    std::u16string_view message;
    Focus next;
  } passes[] = {
      {Focus::kInputFile, u"項目数を２～５０の範囲で入力して下さい。", Focus::kItemCount},
      {Focus::kItemCount, u"郵便番号の項目位置を入力して下さい。", Focus::kCodePosition},
      {Focus::kCodePosition, u"住所１の項目位置を入力して下さい。", Focus::kAddress1Position},
      {Focus::kAddress1Position, u"住所２の項目位置を入力して下さい。", Focus::kAddress2Position},
      {Focus::kAddress2Position, u"住所３の項目位置を入力して下さい。", Focus::kAddress3Position},
      {Focus::kAddress3Position, u"開始行の位置を入力して下さい。", Focus::kStartLine},
      {Focus::kStartLine, u"変換後ファイル名を入力して下さい。", Focus::kOutputFile},
      {Focus::kOutputFile, u"", Focus::kNone},
  };
  for (const auto& c : passes) {
    const FieldEntry entry = enter_field(kWindow, c.field, fields);
    EXPECT_TRUE(entry.passed) << static_cast<int>(c.field);
    EXPECT_EQ(entry.message, c.message) << static_cast<int>(c.field);
    EXPECT_EQ(entry.next, c.next) << static_cast<int>(c.field);
  }
  // The empty start line becomes "1" and moves on.
  EXPECT_EQ(enter_field(kWindow, Focus::kStartLine, fields).text, u"1");

  BatchFieldTexts bad = fields;
  bad.in_file = dir / "missing.csv";
  bad.item_count = u"51";
  bad.code_pos = u"4";
  bad.address_pos[0] = u"1";  // the old code's item
  bad.address_pos[1] = u"x";
  bad.address_pos[2] = u"9";
  bad.start_line = u"0";
  bad.out_file = std::filesystem::path(" ") += bad.in_file;
  const struct {
    Focus field;
    std::u16string_view message;
  } errors[] = {
      {Focus::kInputFile, u"変換前ファイルの入力に誤りがあります。"},
      {Focus::kItemCount, u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。"},
      {Focus::kCodePosition, u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。"},
      {Focus::kAddress2Position, u"住所２の入力に誤りがあります。項目数の範囲で入力して下さい。"},
      {Focus::kAddress3Position, u"住所３の入力に誤りがあります。項目数の範囲で入力して下さい。"},
      {Focus::kStartLine, u"開始行の入力に誤りがあります。"},
      {Focus::kOutputFile, u"変換前ファイルと変換後ファイルは同一にできません。"},
  };
  for (const auto& c : errors) {
    const FieldEntry entry = enter_field(kWindow, c.field, bad);
    EXPECT_FALSE(entry.passed) << static_cast<int>(c.field);
    EXPECT_EQ(entry.message, c.message) << static_cast<int>(c.field);
    EXPECT_EQ(entry.next, c.field);
  }
  BatchFieldTexts with_items = bad;
  with_items.item_count = u"3";
  with_items.code_pos = u"1";
  EXPECT_EQ(enter_field(kWindow, Focus::kAddress1Position, with_items).message,
            u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。");

  // An empty field keeps the focus and the message line.
  BatchFieldTexts empty = fields;
  empty.item_count = u"  ";
  const FieldEntry stays = enter_field(kWindow, Focus::kItemCount, empty);
  EXPECT_FALSE(stays.passed);
  EXPECT_FALSE(stays.message_changes);
  EXPECT_EQ(stays.next, Focus::kItemCount);
}

TEST_F(BatchFieldEntryTest, EnterInEachCodeField) {
  constexpr auto kWindow = ConversionWindow::kBatchCodeToAddress;
  fields.code_pos = u"2";
  const struct {
    Focus field;
    std::u16string_view item_count, code_pos, start_line;
    bool passed;
    std::u16string_view message;
    Focus next;
  } cases[] = {
      {Focus::kInputFile, u"3", u"2", u"", true, u"郵便番号位置を１～５０の範囲で入力して下さい。",
       Focus::kCodePosition},
      {Focus::kItemCount, u"3", u"2", u"", true, u"変換開始行を入力して下さい。",
       Focus::kStartLine},
      {Focus::kItemCount, u"0", u"2", u"", false, u"項目数の入力に誤りがあります。",
       Focus::kItemCount},
      {Focus::kCodePosition, u"3", u"2", u"", true, u"変換開始行を入力して下さい。",
       Focus::kStartLine},
      {Focus::kCodePosition, u"3", u"0", u"", false, u"郵便番号位置の入力に誤りがあります。",
       Focus::kCodePosition},
      {Focus::kStartLine, u"3", u"2", u"", true, u"変換後ファイル名を入力して下さい。",
       Focus::kOutputFile},
      {Focus::kStartLine, u"3", u"2", u"a", false, u"開始行位置の入力に誤りがあります。",
       Focus::kStartLine},
  };
  for (const auto& c : cases) {
    BatchFieldTexts f = fields;
    f.item_count = c.item_count;
    f.code_pos = c.code_pos;
    f.start_line = c.start_line;
    const FieldEntry entry = enter_field(kWindow, c.field, f);
    EXPECT_EQ(entry.passed, c.passed) << static_cast<int>(c.field);
    EXPECT_EQ(entry.message, c.message) << static_cast<int>(c.field);
    EXPECT_EQ(entry.next, c.next) << static_cast<int>(c.field);
  }
}

TEST_F(BatchFieldEntryTest, ProbeAndPreview) {
  const FirstLine first = probe_input_file(std::filesystem::path("  ") += fields.in_file);
  EXPECT_EQ(first.count, 3);
  EXPECT_EQ(preview_item(first.rec_item, 2), u"b");
  EXPECT_EQ(preview_item(first.rec_item, 0), u"");
  EXPECT_EQ(preview_item(first.rec_item, 101), u"");
  EXPECT_EQ(probe_input_file(dir / "missing.csv").count, 0);
}

}  // namespace
}  // namespace kovari::batch
