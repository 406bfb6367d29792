// The application object's start: the data found and loaded, then the main
// window; no data anywhere ends in a warning that names where it looked, and
// no window.
#include "ui/kovari_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>

#include "qt_test_support.h"
#include "support/scratch_folder.h"
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
  testing::DataCopy data(testing::basic_data());
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
  const kovari::testing::TempFolder empty("kovari-ui-no-data");
  std::filesystem::create_directories(empty.path() / "bin");
  const paths::Places places = testing::places_in(empty.path() / "bin");
  KovariApp app;
  testing::MessageBoxes boxes;
  EXPECT_EQ(app.start(places), 2);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const QString& shown = boxes.shown[0].text;
  for (const std::filesystem::path& folder :
       {places.program_folder, places.data_home / "kovari", empty.path() / "share" / "kovari"}) {
    EXPECT_TRUE(shown.contains(QString::fromStdString(folder.string()))) << shown.toStdString();
  }
  EXPECT_FALSE(main_window_shown());
}

TEST(KovariAppTest, DataThatCannotBeLoadedIsReportedAndOpensNothing) {
  testing::application();
  const kovari::testing::TempFolder broken("kovari-ui-broken");
  std::ofstream(broken.path() / "kovaritbl.dat") << "too short";
  KovariApp app;
  testing::MessageBoxes boxes;
  EXPECT_EQ(app.start(testing::places_in(broken.path())), 1);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const QString& shown = boxes.shown[0].text;
  EXPECT_TRUE(shown.contains(QStringLiteral("shorter than its directory block")))
      << shown.toStdString();
  EXPECT_FALSE(main_window_shown());
}

}  // namespace
}  // namespace kovari::ui
