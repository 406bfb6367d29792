// The clipboard conversion with the clipboard of an X server: xclip, a
// program of its own, copies a postal code and then an address; the watch
// timer of the window converts each, and xclip reads the result back.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "qt_test_support.h"
#include "ui/clipboard_convert_window.h"
#include "ui/kovari_app.h"

namespace kovari::ui {
namespace {

using testing::control;

class X11ClipboardTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        << "xclip is missing (./scripts/install-deps xclip)";
    ASSERT_TRUE(testing::load(app_, data_.path()));
    window_ = &app_.open<ClipboardConvertWindow>();
    control<QRadioButton>(*window_, "Option1")->click();
  }

  // Runs xclip on the clipboard selection with `arguments` and `input`, this
  // program's events running meanwhile (it answers for the clipboard once it
  // owns it); xclip's standard output.
  static QString xclip(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    process.start(
        QStringLiteral("xclip"),
        QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard")} + arguments);
    if (!process.waitForStarted()) return QStringLiteral("(xclip does not start)");
    process.write(input);
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning) loop.exec();
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  // Copies `text` as another program does: xclip keeps the selection until
  // another program takes it.
  static void copy(const QString& text) {
    xclip({QStringLiteral("-i"), QStringLiteral("-silent")}, text.toUtf8());
  }
  static QString pasted() { return xclip({QStringLiteral("-o")}); }

  // Waits for the watch timer to convert what was copied.
  bool converted(const QString& caption) {
    return QTest::qWaitFor(
        [&] { return control<QPushButton>(*window_, "Command2")->text() == caption; }, 5000);
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  ClipboardConvertWindow* window_ = nullptr;
};

TEST_F(X11ClipboardTest, ACodeAndAnAddressCopiedByAnotherProgramAreConverted) {
  copy(QStringLiteral("1000001"));
  ASSERT_TRUE(converted(QStringLiteral("〒→住所変換：処理完了")));
  EXPECT_EQ(pasted(), QStringLiteral("東京都千代田区千代田\t\t"));

  copy(QStringLiteral("東京都千代田区丸の内１－９－１"));
  ASSERT_TRUE(converted(QStringLiteral("住所→〒変換：処理完了")));
  EXPECT_EQ(pasted(), QStringLiteral("1000005"));
}

}  // namespace
}  // namespace kovari::ui
