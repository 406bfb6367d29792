#include "clipboard/clip_watch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::clipboard {
namespace {

using kovari::testing::RecordingHost;

TEST(ClipWatchTest, ClassifiesTheClipboardText) {
  const struct {
    std::u16string_view clipboard;
    ClipKind kind;
    std::u16string_view text;  // what the step takes
  } cases[] = {
      {u"1000001", ClipKind::kCode, u"1000001"},
      {u"  100-0001 ", ClipKind::kCode, u"100-0001"},
      {u"〒100-0001", ClipKind::kCode, u"〒100-0001"},   // a digit among the first three
      {u"１０００００１", ClipKind::kCode, u"1000001"},  // full-width digits read narrow
      {u"0010000", ClipKind::kCode, u"0010000"},         // its number is not 0
      {u"0000000", ClipKind::kAddress, u"0000000"},      // number 0, no digit 1-9 in front
      {u"1丁目2番地", ClipKind::kCode, u"1丁目2番地"},   // a house number in front
      {u"東京都千代田区丸の内１－９－１", ClipKind::kAddress, u"東京都千代田区丸の内1-9-1"},
      {u"東京都港区\r\n1000001", ClipKind::kAddress, u"東京都港区\r\n1000001"},
      {u"ｱｲｳ", ClipKind::kAddress, u"ｱｲｳ"},
      {u"", ClipKind::kNone, u""},
      {u"   ", ClipKind::kNone, u""},
  };
  for (const auto& c : cases) {
    const ClipText taken = classify_clip_text(c.clipboard, u"");
    EXPECT_EQ(taken.kind, c.kind) << text::to_utf8(c.clipboard);
    EXPECT_EQ(taken.text, c.text) << text::to_utf8(c.clipboard);
  }
}

TEST(ClipWatchTest, LeavesTheLastTextAndLongTextsAlone) {
  EXPECT_EQ(classify_clip_text(u"1000001", u"1000001").kind, ClipKind::kNone);
  // The last text compares in half-width form.
  EXPECT_EQ(classify_clip_text(u"１０００００１", u"1000001").kind, ClipKind::kNone);
  EXPECT_EQ(classify_clip_text(u"1000001", u"１０００００１").kind, ClipKind::kNone);
  const std::u16string hundred = u"東京都" + std::u16string(97, u'あ');
  EXPECT_EQ(classify_clip_text(hundred, u"").kind, ClipKind::kAddress);
  EXPECT_EQ(classify_clip_text(hundred + u"あ", u"").kind, ClipKind::kNone);
}

// Converts the codes and addresses it was told about and records every call.
class FakeConverter : public ClipConverter {
 public:
  Address code_to_address(std::u16string_view code, bool first_of_several) override {
    codes.emplace_back(code);
    if (code == u"1000001") return {u"東京都千代田区千代田", u"", u""};
    if (code == u"1008691") {
      return {u"東京都千代田区丸の内２丁目７－２", u"東京中央郵便局私書箱第１号",
              u"テスト商事　株式会社"};
    }
    // A code of two town areas: the first only when asked for.
    if (code == u"0640820" && first_of_several)
      return {u"北海道札幌市中央区大通西２０～２８丁目", u"", u""};
    return {};
  }
  Code address_to_code(std::u16string_view address) override {
    addresses.emplace_back(address);
    if (address == u"東京都千代田区丸の内1-9-1")
      return {u"1006690", u"東京都千代田区丸の内１－９－１"};
    return {};
  }
  std::vector<std::u16string> codes, addresses;
};

class WatchStepTest : public ::testing::Test {
 protected:
  void SetUp() override { start_watch(watch, host); }

  // One tick after `text` was copied.
  bool copy_and_tick(std::u16string_view text) {
    host.clipboard = std::u16string(text);
    return watch_step(watch, converter, history, host, settings);
  }

  std::string history_bytes() const { return kovari::testing::file_bytes(history.path()); }

  kovari::testing::TempFolder folder;
  RecordingHost host;
  FakeConverter converter;
  ClipHistory history{folder.path() / "tmp_history.csv"};
  settings::Settings settings;
  ClipWatch watch;
};

TEST_F(WatchStepTest, StartingEmptiesTheClipboardAndShowsTheWorkingPicture) {
  EXPECT_TRUE(watch.watching);
  EXPECT_EQ(host.clipboard_clears, 1);
  EXPECT_EQ(watch.picture, ClipPicture::kWorking);
  EXPECT_EQ(watch.caption, kCaptionIdle);
}

TEST_F(WatchStepTest, ACopiedCodeBecomesItsAddressParts) {
  for (const std::u16string_view copied :
       {u"1000001", u"100-0001", u"〒100-0001", u"１００－０００１", u"1000001\r\n2nd line"}) {
    watch.last_clip_text.clear();
    EXPECT_TRUE(copy_and_tick(copied)) << text::to_utf8(copied);
    EXPECT_EQ(host.clipboard, u"東京都千代田区千代田\t\t") << text::to_utf8(copied);
    EXPECT_EQ(watch.caption, kCaptionCodeDone);
    EXPECT_EQ(watch.picture, ClipPicture::kConverted);
    EXPECT_EQ(converter.codes.back(), u"1000001");
  }
  copy_and_tick(u"1008691");
  EXPECT_EQ(host.clipboard,
            u"東京都千代田区丸の内２丁目７－２\t東京中央郵便局私書箱第１号\tテスト商事　株式会社");
}

TEST_F(WatchStepTest, ACopiedAddressBecomesItsCode) {
  EXPECT_TRUE(copy_and_tick(u"東京都千代田区丸の内１－９－１"));
  EXPECT_EQ(host.clipboard, u"1006690");
  EXPECT_EQ(watch.caption, kCaptionAddressDone);
  EXPECT_EQ(watch.picture, ClipPicture::kConverted);
  settings.set_flag(settings::Flag::kHyphen, 1);
  EXPECT_TRUE(copy_and_tick(u"東京都千代田区丸の内１－９－１\r\n別の行"));
  EXPECT_EQ(host.clipboard, u"100-6690");
  EXPECT_EQ(converter.addresses.back(), u"東京都千代田区丸の内1-9-1");  // its first line only
}

TEST_F(WatchStepTest, TheWatchersOwnOutputAndTheSameTextAreNotConvertedAgain) {
  copy_and_tick(u"1000001");
  EXPECT_FALSE(watch_step(watch, converter, history, host, settings));
  copy_and_tick(u"東京都千代田区丸の内１－９－１");
  EXPECT_FALSE(watch_step(watch, converter, history, host, settings));
  EXPECT_EQ(converter.codes.size(), 1u);
  EXPECT_EQ(converter.addresses.size(), 1u);
  // A text that converts to nothing stays on the clipboard and is not taken twice.
  EXPECT_TRUE(copy_and_tick(u"東京都どこか"));
  EXPECT_FALSE(watch_step(watch, converter, history, host, settings));
  EXPECT_EQ(host.clipboard, u"東京都どこか");
  EXPECT_EQ(watch.picture, ClipPicture::kNotConverted);
  EXPECT_EQ(converter.addresses.size(), 2u);
}

TEST_F(WatchStepTest, WhatIsNoCodeChangesNothing) {
  // A number of six digits: taken, but the step ends while still working.
  EXPECT_TRUE(copy_and_tick(u"100000"));
  EXPECT_EQ(watch.caption, kCaptionCodeWorking);
  EXPECT_EQ(watch.picture, ClipPicture::kWorking);
  EXPECT_EQ(host.clipboard, u"100000");
  // A house number in front: taken for a code, which it is not.
  EXPECT_TRUE(copy_and_tick(u"1丁目2番地"));
  EXPECT_EQ(watch.caption, kCaptionCodeDone);
  EXPECT_EQ(watch.picture, ClipPicture::kNotConverted);
  EXPECT_EQ(host.clipboard, u"1丁目2番地");
  EXPECT_TRUE(converter.codes.empty());
  // Too long an address is not taken at all.
  EXPECT_FALSE(copy_and_tick(u"東京都" + std::u16string(100, u'あ')));
  EXPECT_TRUE(converter.addresses.empty());
  EXPECT_EQ(history_bytes(), "");
}

TEST_F(WatchStepTest, SeveralTownAreasConvertOnlyWhenTheFirstIsWanted) {
  copy_and_tick(u"0640820");
  EXPECT_EQ(host.clipboard, u"北海道札幌市中央区大通西２０～２８丁目\t\t");
  watch.first_of_several = false;
  copy_and_tick(u"064-0820");
  EXPECT_EQ(host.clipboard, u"064-0820");
  EXPECT_EQ(watch.picture, ClipPicture::kNotConverted);
}

TEST_F(WatchStepTest, ABusyOrStoppedWatcherLetsTheTickPass) {
  watch.clip_busy = true;
  EXPECT_FALSE(copy_and_tick(u"1000001"));
  watch.clip_busy = false;
  watch.watching = false;
  EXPECT_FALSE(copy_and_tick(u"1000001"));
  EXPECT_TRUE(converter.codes.empty());
  watch.watching = true;
  EXPECT_TRUE(copy_and_tick(u"1000001"));
  EXPECT_FALSE(watch.clip_busy);
}

TEST_F(WatchStepTest, EachConversionAddsAQuotedShiftJisLineToTheHistory) {
  copy_and_tick(u"1008691");
  settings.set_flag(settings::Flag::kHyphen, 1);
  copy_and_tick(u"1000001");
  copy_and_tick(u"東京都千代田区丸の内１－９－１");
  copy_and_tick(u"東京都どこか");  // not converted: no line
  const std::u16string expected =
      u"\"1008691\",\"東京都千代田区丸の内２丁目７－２\",\"東京中央郵便局私書箱第１号\","
      u"\"テスト商事　株式会社\"\r\n"
      u"\"100-0001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
      u"\"100-6690\",\"東京都千代田区丸の内１－９－１\"\r\n";
  EXPECT_EQ(history_bytes(), text::encode_sjis(expected).value());
}

}  // namespace
}  // namespace kovari::clipboard
