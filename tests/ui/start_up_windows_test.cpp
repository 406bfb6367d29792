// The windows of the start: the splash window with the program's version,
// and the preparing window that shows the load's progress where it was last.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "paths/version.h"
#include "qt_test_support.h"
#include "session/session.h"
#include "settings/ini_file.h"
#include "ui/preparing_window.h"
#include "ui/splash_window.h"

namespace kovari::ui {
namespace {

using testing::control;

TEST(SplashWindowTest, TheProductThePlatformsAndTheVersion) {
  testing::application();
  KovariApp app;  // the pictures
  SplashWindow splash;
  EXPECT_EQ(control<QLabel>(splash, "lblCompanyProduct")->text(), QStringLiteral("ソラト郵便番号"));
  EXPECT_EQ(control<QLabel>(splash, "lblPlatform")->text(),
            QStringLiteral("Linux (X11 / Wayland)"));
  EXPECT_EQ(control<QLabel>(splash, "lblVersion")->text(),
            QStringLiteral("Version  ") + QString::fromLatin1(paths::kProgramVersion));
  EXPECT_EQ(control<QLabel>(splash, "lblWarning")->text(), QString());
  for (const char* picture : {"Picture1", "Picture2"}) {
    EXPECT_FALSE(control<QLabel>(splash, picture)->pixmap().isNull()) << picture;
  }
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::SplashScreen));
}

// Where a window was when it showed.
class ShowWatcher : public QObject {
 public:
  QPoint shown_at{-1, -1};
  QString caption;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      shown_at = static_cast<QWidget*>(watched)->pos();
      caption = static_cast<QWidget*>(watched)->windowTitle();
    }
    return false;
  }
};

// The window shows once the settings file is read, where that file last put
// it, with the loading caption; the load's progress fills its bar.
TEST(PreparingWindowTest, ShowsTheLoadWhereItWasLast) {
  testing::application();
  testing::DataCopy data(testing::basic_data());
  settings::Settings saved = settings::default_settings();
  saved.set_position(settings::WindowNumber::kPreparing, {1200, 2700});
  const std::filesystem::path ini = data.path() / "kovaritbl.ini";
  ASSERT_TRUE(settings::put_ini_file(ini, saved));

  KovariApp app;
  PreparingWindow window(app);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ソラト郵便番号"));
  ShowWatcher watcher;
  window.installEventFilter(&watcher);
  ASSERT_TRUE(window.load(data.path(), {ini, ini, {}, {}}).ok());
  EXPECT_EQ(watcher.shown_at, QPoint(180, 80));
  EXPECT_EQ(watcher.caption, QStringLiteral("ソラト郵便番号　準備中!!"));
  const auto* bar = control<QProgressBar>(window, "ProgressBar1");
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_FALSE(window.isVisible());
  EXPECT_GT(app.session().db.dir.code_count, 0);
}

// The load's texts for a message line (here: the user's replacement pairs
// beyond the table's room) come in an information box.
TEST(PreparingWindowTest, TextsOfTheLoadComeInABox) {
  testing::application();
  testing::DataCopy data(testing::basic_data());
  settings::Settings saved = settings::default_settings();
  for (int n = 0; n < settings::kMaxTextPairs; ++n) {
    saved.text_pairs.push_back({u"替" + QString::number(n).toStdU16String(), u"代"});
  }
  const std::filesystem::path ini = data.path() / "kovaritbl.ini";
  ASSERT_TRUE(settings::put_ini_file(ini, saved));

  KovariApp app;
  PreparingWindow window(app);
  testing::MessageBoxes boxes;
  ASSERT_TRUE(window.load(data.path(), {ini, ini, {}, {}}).ok());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("情報メッセージ"));
  EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("文字置換は合計１００件までのため")))
      << boxes.shown[0].text.toStdString();
}

}  // namespace
}  // namespace kovari::ui
