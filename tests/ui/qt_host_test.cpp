// The program's host on the system clipboard: what the copies of the windows
// read and write through it.
#include "ui/qt_host.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "clipboard/clip_copy.h"
#include "qt_test_support.h"

namespace kovari::ui {
namespace {

TEST(QtHostTest, TheClipboardsTextAsTheCopiesUseIt) {
  testing::application();
  QtHost host(nullptr);
  host.clear_clipboard();
  EXPECT_FALSE(host.clipboard_has_text());
  EXPECT_EQ(host.clipboard_text(), u"");

  host.set_clipboard_text(u"\"1000001\"\t\"東京都千代田区千代田\"\r\n");
  EXPECT_TRUE(host.clipboard_has_text());
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("\"1000001\"\t\"東京都千代田区千代田\"\r\n"));

  // A later copy appends its line to the text already there.
  bool clip_asked = true;
  clipboard::append_to_clipboard(host, clip_asked, u"\"1000002\"\r\n");
  EXPECT_EQ(host.clipboard_text(), u"\"1000001\"\t\"東京都千代田区千代田\"\r\n\"1000002\"\r\n");
  host.clear_clipboard();
  EXPECT_FALSE(host.clipboard_has_text());
}

}  // namespace
}  // namespace kovari::ui
