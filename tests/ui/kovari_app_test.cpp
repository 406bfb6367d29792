// The application object's start: the data found and loaded, then the main
// window; no data anywhere ends in a warning that names where it looked, and
// no window.
#include "ui/kovari_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>

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
    ASSERT_EQ(app.start(testing::places_in(data.path())), 0);
    EXPECT_GT(app.session().db.dir.code_count, 0);
    EXPECT_EQ(app.settings_path(), data.path() / "kovaritbl.ini");  // a portable copy
    EXPECT_TRUE(main_window_shown());
  }
  EXPECT_FALSE(main_window_shown());  // the application's windows go with it
}

TEST(KovariAppTest, NoDataIsReportedWithTheFoldersLookedIn) {
  testing::application();
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "kovari_ui_no_data";
  std::filesystem::create_directories(empty / "bin");
  const paths::Places places = testing::places_in(empty / "bin");
  KovariApp app;
  QString shown;
  testing::accept_next_message_box(shown);
  EXPECT_EQ(app.start(places), 2);
  for (const std::filesystem::path& folder :
       {places.program_folder, places.data_home / "kovari", empty / "share" / "kovari"}) {
    EXPECT_TRUE(shown.contains(QString::fromStdString(folder.string()))) << shown.toStdString();
  }
  EXPECT_FALSE(main_window_shown());
  std::filesystem::remove_all(empty);
}

TEST(KovariAppTest, DataThatCannotBeLoadedIsReportedAndOpensNothing) {
  testing::application();
  const std::filesystem::path broken = std::filesystem::temp_directory_path() / "kovari_ui_broken";
  std::filesystem::create_directories(broken);
  std::ofstream(broken / "kovaritbl.dat") << "too short";
  KovariApp app;
  QString shown;
  testing::accept_next_message_box(shown);
  EXPECT_EQ(app.start(testing::places_in(broken)), 1);
  EXPECT_TRUE(shown.contains(QStringLiteral("shorter than its directory block")))
      << shown.toStdString();
  EXPECT_FALSE(main_window_shown());
  std::filesystem::remove_all(broken);
}

}  // namespace
}  // namespace kovari::ui
