#include "clipboard/clip_history.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::clipboard {
namespace {

using kovari::testing::file_bytes;

using kovari::testing::RecordingHost;


TEST(ClipHistoryTest, AppendsToWhatTheFileHeld) {
  kovari::testing::TempFolder folder;
  const std::filesystem::path path = folder.path() / "tmp_history.csv";
  std::ofstream(path, std::ios::binary) << "\"0010000\",\"old\"\r\n";
  RecordingHost host;
  {
    ClipHistory history(path);
    history.append(u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n", host);
  }
  ClipHistory reopened(path);
  // A character without a Shift-JIS form does not cost the line.
  reopened.append(u"\"1000001\",\"東京都🏢\"\r\n", host);
  EXPECT_EQ(file_bytes(path),
            "\"0010000\",\"old\"\r\n" +
                text::encode_sjis(u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
                                  u"\"1000001\",\"東京都？？\"\r\n")
                    .value());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(reopened.failed());
}

TEST(ClipHistoryTest, AFileThatCannotBeWrittenIsReportedOnce) {
  kovari::testing::TempFolder folder;
  RecordingHost host;
  ClipHistory history(folder.path() / "missing" / "tmp_history.csv");
  history.append(u"\"1000001\"\r\n", host);
  history.append(u"\"1000002\"\r\n", host);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_NE(host.boxes[0].find(u"履歴を残さずに変換を続けます。"), std::u16string::npos);
  EXPECT_TRUE(host.boxes[0].starts_with(u"注意メッセージ|"));
  EXPECT_TRUE(history.failed());
}

}  // namespace
}  // namespace kovari::clipboard
