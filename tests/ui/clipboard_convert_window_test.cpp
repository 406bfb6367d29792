// The clipboard conversion headless: the watch started and stopped, a code
// and an address copied to the clipboard (the offscreen clipboard of the test
// program) and converted by a tick, the status caption and picture (and the
// window's icon), the history file, and stopping.
#include "ui/clipboard_convert_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "qt_test_support.h"
#include "session/session.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"
#include "ui/kovari_app.h"

namespace kovari::ui {
namespace {

using testing::control;

class ClipboardConvertWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    QGuiApplication::clipboard()->setText(QStringLiteral("left by another program"));
    window_ = &app_.open<ClipboardConvertWindow>();
  }

  QString caption() { return control<QPushButton>(*window_, "Command2")->text(); }
  // Whether the status picture and the window's icon show the picture of `holder`.
  bool shows(const char* holder) {
    const QImage picture = control<QLabel>(*window_, holder)->pixmap().toImage();
    return control<QLabel>(*window_, "Picture1")->pixmap().toImage() == picture &&
           window_->windowIcon().pixmap(picture.size()).toImage() == picture;
  }
  // Copies `text` as another program would and lets the timer tick once.
  void copy_and_tick(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    window_->watch_step();
  }
  QString clipboard() { return QGuiApplication::clipboard()->text(); }
  std::u16string history() {
    const std::string bytes = kovari::testing::file_bytes(app_.session().files.clipboard_history);
    return text::decode_sjis(bytes).value_or(u"(not Shift-JIS)");
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  ClipboardConvertWindow* window_ = nullptr;
};

TEST_F(ClipboardConvertWindowTest, OpensIdleWithItsCaptionsAndTheWorkingPicture) {
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame1")->title(),
            QStringLiteral("住所→〒、〒→住所　クリップボード経由変換"));
  EXPECT_EQ(control<QRadioButton>(*window_, "Option1")->text(), QStringLiteral("変換開始"));
  EXPECT_EQ(control<QRadioButton>(*window_, "Option2")->text(), QStringLiteral("変換終了"));
  EXPECT_TRUE(control<QCheckBox>(*window_, "Check1")->isChecked());
  EXPECT_EQ(caption(), QStringLiteral("変換状態"));
  EXPECT_TRUE(shows("Picture2"));
  EXPECT_FALSE(control<QLabel>(*window_, "Picture1")->pixmap().isNull());
  for (const char* holder : {"Picture2", "Picture3", "Picture4"}) {
    EXPECT_TRUE(control<QLabel>(*window_, holder)->isHidden()) << holder;
  }
  // Not watching yet: the timer is off and a tick converts nothing.
  auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
  copy_and_tick(QStringLiteral("1000001"));
  EXPECT_EQ(clipboard(), QStringLiteral("1000001"));
}

TEST_F(ClipboardConvertWindowTest, ConvertsACopiedCodeAndACopiedAddressAndKeepsTheHistory) {
  control<QRadioButton>(*window_, "Option1")->click();
  auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  EXPECT_EQ(clipboard(), QString());  // emptied at the start

  copy_and_tick(QStringLiteral("〒100-0001"));
  EXPECT_EQ(clipboard(), QStringLiteral("東京都千代田区千代田\t\t"));
  EXPECT_EQ(caption(), QStringLiteral("〒→住所変換：処理完了"));
  EXPECT_TRUE(shows("Picture3"));
  // Its own output is not converted back.
  window_->watch_step();
  EXPECT_EQ(clipboard(), QStringLiteral("東京都千代田区千代田\t\t"));

  app_.session().settings.set_flag(settings::Flag::kHyphen, 1);
  copy_and_tick(QStringLiteral("東京都千代田区丸の内１－９－１\nthe second line"));
  EXPECT_EQ(clipboard(), QStringLiteral("100-0005"));
  EXPECT_EQ(caption(), QStringLiteral("住所→〒変換：処理完了"));
  EXPECT_TRUE(shows("Picture3"));

  // Neither a known code nor an address: the clipboard stays as it is.
  copy_and_tick(QStringLiteral("9999999"));
  EXPECT_EQ(clipboard(), QStringLiteral("9999999"));
  EXPECT_EQ(caption(), QStringLiteral("〒→住所変換：処理完了"));
  EXPECT_TRUE(shows("Picture4"));
  // Nor the text taken last: the picture stays.
  window_->watch_step();
  EXPECT_TRUE(shows("Picture4"));
  // A number of another length is no code: the caption stays as it was taken.
  copy_and_tick(QStringLiteral("100000"));
  EXPECT_EQ(caption(), QStringLiteral("〒→住所変換：処理中"));
  EXPECT_TRUE(shows("Picture2"));

  EXPECT_EQ(history(),
            u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
            u"\"100-0005\",\"東京都千代田区丸の内１－９－１\"\r\n");
}

TEST_F(ClipboardConvertWindowTest, WithoutHistoryFileTheConversionsGoOnAfterOneWarning) {
  window_->close();
  // A folder where the history file should be.
  std::filesystem::remove(app_.session().files.clipboard_history);
  std::filesystem::create_directories(app_.session().files.clipboard_history);
  window_ = &app_.open<ClipboardConvertWindow>();
  control<QRadioButton>(*window_, "Option1")->click();
  testing::MessageBoxes boxes;
  copy_and_tick(QStringLiteral("1000001"));
  copy_and_tick(QStringLiteral("1010021"));
  EXPECT_EQ(clipboard(), QStringLiteral("東京都千代田区外神田\t\t"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("履歴を残さずに変換を続けます。")))
      << boxes.shown[0].text.toStdString();
}

TEST_F(ClipboardConvertWindowTest, StoppingClosesTheWindowWhereItStood) {
  control<QRadioButton>(*window_, "Option1")->click();
  window_->move(30, 20);
  control<QRadioButton>(*window_, "Option2")->click();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(window_->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
  EXPECT_EQ(app_.session().settings.position(settings::WindowNumber::kClipboardConvert).left, 450);
}

TEST_F(ClipboardConvertWindowTest, EscapeClosesTheWindow) {
  QTest::keyClick(control<QRadioButton>(*window_, "Option1"), Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace kovari::ui
