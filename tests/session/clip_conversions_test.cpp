// The clipboard watcher converting through the session over the national
// data files built into the program's folder; skipped when they have not
// been built.
#include "session/clip_conversions.h"

#include <gtest/gtest.h>

#include <string>

#include "support/loaded_session.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari {
namespace {

class ClipConversionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::national_data_built())
      GTEST_SKIP() << "the national data files have not been built";
    ASSERT_TRUE(loaded.load(testing::national_data_folder()));
    clipboard::start_watch(watch, host);
  }

  std::u16string copy_and_tick(std::u16string_view text) {
    host.clipboard = std::u16string(text);
    clipboard::watch_step(watch, converter, history, host, loaded.session.settings);
    return host.clipboard.value_or(u"");
  }

  testing::LoadedSession loaded;
  testing::RecordingHost host;
  SessionClipConverter converter{loaded.session, host};
  testing::TempFolder folder;
  clipboard::ClipHistory history{folder.path() / "tmp_history.csv"};
  clipboard::ClipWatch watch;
};

TEST_F(ClipConversionsTest, CodesBecomeAddressesAndAddressesCodes) {
  EXPECT_EQ(copy_and_tick(u"1000001"), u"東京都千代田区千代田\t\t");
  EXPECT_EQ(copy_and_tick(u"〒100-8994"), u"東京都千代田区丸の内２丁目７－２\t\t東京中央郵便局");
  EXPECT_EQ(copy_and_tick(u"東京都千代田区丸の内１－９－１"), u"1000005");
  EXPECT_EQ(watch.picture, clipboard::ClipPicture::kConverted);
  EXPECT_EQ(copy_and_tick(u"どこでもない"), u"どこでもない");
  EXPECT_EQ(watch.picture, clipboard::ClipPicture::kNotConverted);

  EXPECT_EQ(text::decode_sjis(testing::file_bytes(history.path())).value(),
            u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
            u"\"1008994\",\"東京都千代田区丸の内２丁目７－２\",\"\",\"東京中央郵便局\"\r\n"
            u"\"1000005\",\"東京都千代田区丸の内１－９－１\"\r\n");
}

TEST_F(ClipConversionsTest, ACodeOfSeveralTownAreasTakesTheFirstOnlyWhenTicked) {
  EXPECT_EQ(copy_and_tick(u"0792401"), u"北海道空知郡南富良野町幾寅栄町\t\t");
  watch.first_of_several = false;
  EXPECT_EQ(copy_and_tick(u"079-2401"), u"079-2401");
  EXPECT_EQ(watch.picture, clipboard::ClipPicture::kNotConverted);
}

}  // namespace
}  // namespace kovari
