// The application object's start: the data loaded, then the main window; a
// folder without data ends in a warning and no window.
#include "ui/kovari_app.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "qt_test_support.h"
#include "ui/main_window.h"

namespace kovari::ui {
namespace {

bool main_window_shown() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<MainWindow*>(w) && w->isVisible()) return true;
  }
  return false;
}

TEST(KovariAppTest, StartLoadsTheDataAndOpensTheMainWindow) {
  testing::application();
  testing::FixtureCopy data("basic");
  {
    KovariApp app;
    ASSERT_TRUE(app.start(data.path()));
    EXPECT_GT(app.session().db.dir.code_count, 0);
    EXPECT_TRUE(main_window_shown());
  }
  EXPECT_FALSE(main_window_shown());  // the application's windows go with it
}

TEST(KovariAppTest, AFolderWithoutDataIsReportedAndOpensNothing) {
  testing::application();
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "kovari_ui_no_data";
  std::filesystem::create_directories(empty);
  KovariApp app;
  QString shown;
  testing::accept_next_message_box(shown);
  EXPECT_FALSE(app.start(empty));
  EXPECT_TRUE(shown.contains(QStringLiteral("kovaritbl.dat is missing"))) << shown.toStdString();
  EXPECT_FALSE(main_window_shown());
  std::filesystem::remove_all(empty);
}

}  // namespace
}  // namespace kovari::ui
