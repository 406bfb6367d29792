// The settings window headless on the small fixture: it shows the flags as
// they are, each option button and check box sets its flag at once, the file
// names and the pair editor change the settings (the replacement table at
// once), the settings file holds them at the end, and a changed detail-file
// option ends the program (not when it was switched back).
#include "ui/settings_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>
#include <sstream>

#include "qt_test_support.h"
#include "text/sjis.h"
#include "ui/kovari_app.h"
#include "ui/main_window.h"

namespace kovari::ui {
namespace {

using settings::Flag;
using testing::control;

class SettingsWindowTest : public testing::QtTest {
 protected:
  void SetUp() override { ASSERT_TRUE(testing::load(app_, data_.path())); }
  SettingsWindow& open() {
    window_ = &app_.open<SettingsWindow>();
    return *window_;
  }
  int flag(Flag f) { return app_.session().settings.flag(f); }
  QPushButton* button(const char* name) { return control<QPushButton>(*window_, name); }
  QLineEdit* field(const char* name) { return control<QLineEdit>(*window_, name); }
  QListWidget* pairs() { return control<QListWidget>(*window_, "List1"); }
  // The settings file as the program wrote it, decoded.
  std::string settings_file() {
    std::ifstream in(app_.settings_path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return text::to_utf8(text::decode_sjis(bytes.str()).value_or(u""));
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  SettingsWindow* window_ = nullptr;
};

TEST_F(SettingsWindowTest, ShowsTheFlagsAndEachControlSetsItsFlag) {
  app_.session().settings.set_flag(Flag::kInputMode, 5);  // no button of its own
  app_.session().settings.set_flag(Flag::kHyphen, 1);
  app_.session().settings.set_flag(Flag::kClipPobox, 0);
  open();
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("動作環境の登録"));
  EXPECT_EQ(control<QTabWidget>(*window_, "SSTab1")->count(), 4);
  EXPECT_TRUE(control<QRadioButton>(*window_, "Option1")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(*window_, "Option6")->isChecked());
  EXPECT_FALSE(control<QCheckBox>(*window_, "Check3")->isChecked());
  EXPECT_TRUE(control<QCheckBox>(*window_, "Check1")->isChecked());

  const struct {
    const char* option;
    Flag flag;
    int value;
  } options[] = {
      {"Option15", Flag::kInputMode, 2},       {"Option2", Flag::kInputMode, 1},
      {"Option4", Flag::kMonitor, 1},          {"Option3", Flag::kMonitor, 0},
      {"Option5", Flag::kHyphen, 0},           {"Option8", Flag::kApproximate, 1},
      {"Option10", Flag::kCommaSeparator, 1},  {"Option9", Flag::kCommaSeparator, 0},
      {"Option11", Flag::kDetailFile, 0},      {"Option12", Flag::kDetailFile, 1},
      {"Option13", Flag::kTownSearchNames, 0}, {"Option14", Flag::kTownSearchNames, 1},
      {"Option17", Flag::kClipAppend, 0},      {"Option16", Flag::kClipAppend, 1},
  };
  for (const auto& o : options) {
    control<QRadioButton>(*window_, o.option)->click();
    EXPECT_EQ(flag(o.flag), o.value) << o.option;
  }
  const std::pair<const char*, Flag> checks[] = {{"Check1", Flag::kClipCode},
                                                 {"Check2", Flag::kClipAddress},
                                                 {"Check3", Flag::kClipPobox},
                                                 {"Check4", Flag::kClipOffice}};
  for (const auto& [name, f] : checks) {
    const int before = flag(f);
    control<QCheckBox>(*window_, name)->click();
    EXPECT_EQ(flag(f), 1 - before) << name;
  }
}

TEST_F(SettingsWindowTest, FileNamesArePutIntoTheSettings) {
  app_.session().settings.in_file_name2 = u"/home/user/codes.csv";
  open();
  EXPECT_EQ(field("Text5")->text(), QStringLiteral("/home/user/codes.csv"));
  const std::pair<const char*, const char*> labels[] = {
      {"Command2", "Text1"}, {"Command4", "Text2"}, {"Command12", "Text5"}, {"Command13", "Text6"}};
  for (const auto& [label, name] : labels) {
    control<QTabWidget>(*window_, "SSTab1")->setCurrentIndex(2);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    button(label)->click();
    EXPECT_EQ(QApplication::focusWidget(), field(name)) << label;
  }
  field("Text1")->setText(QStringLiteral("住所.csv"));
  field("Text5")->clear();
  EXPECT_EQ(app_.session().settings.in_file_name, u"住所.csv");
  EXPECT_EQ(app_.session().settings.in_file_name2, u"");
}

TEST_F(SettingsWindowTest, PairsAreAddedChangedAndDeletedAndUsedAtOnce) {
  const postaldb::PostalTables& table = app_.session().db.tables;
  const int file_pairs = static_cast<int>(table.chr_file_pairs.size());
  open();
  EXPECT_EQ(pairs()->count(), 0);  // the data file's pairs are not listed
  EXPECT_FALSE(field("Text3")->isEnabled());
  EXPECT_FALSE(button("Command11")->isEnabled());

  button("Command8")->click();
  EXPECT_TRUE(field("Text3")->isEnabled());
  button("Command11")->click();  // nothing to replace: nothing added
  EXPECT_EQ(pairs()->count(), 0);
  field("Text3")->setText(QStringLiteral(" まるのうち "));
  field("Text4")->setText(QStringLiteral("丸の内"));
  button("Command11")->click();
  ASSERT_EQ(pairs()->count(), 1);
  EXPECT_EQ(pairs()->item(0)->text(), QStringLiteral("まるのうち → 丸の内"));
  EXPECT_EQ(table.chr_count, file_pairs + 1);
  EXPECT_EQ(table.chr_from.back(), u"まるのうち");

  pairs()->setCurrentRow(0);
  QTest::mouseClick(pairs()->viewport(), Qt::LeftButton, {},
                    pairs()->visualItemRect(pairs()->item(0)).center());
  EXPECT_TRUE(button("Command9")->isEnabled());
  EXPECT_FALSE(button("Command8")->isEnabled());
  button("Command9")->click();
  EXPECT_EQ(field("Text3")->text(), QStringLiteral("まるのうち"));
  field("Text4")->setText(QStringLiteral("丸ノ内"));
  button("Command11")->click();
  EXPECT_EQ(pairs()->item(0)->text(), QStringLiteral("まるのうち → 丸ノ内"));
  EXPECT_EQ(table.chr_to.back(), u"丸ノ内");

  pairs()->setCurrentRow(0);
  QTest::mouseClick(pairs()->viewport(), Qt::LeftButton, {},
                    pairs()->visualItemRect(pairs()->item(0)).center());
  button("Command10")->click();
  EXPECT_EQ(pairs()->count(), 0);
  EXPECT_EQ(table.chr_count, file_pairs);
  EXPECT_TRUE(button("Command8")->isEnabled());
}

TEST_F(SettingsWindowTest, TheSettingsFileHoldsTheChangesAtTheEnd) {
  MainWindow& menu = app_.open<MainWindow>();
  open();
  control<QRadioButton>(*window_, "Option10")->click();
  button("Command8")->click();
  field("Text3")->setText(QStringLiteral("ヶ"));
  field("Text4")->setText(QStringLiteral("ケ"));
  button("Command11")->click();
  button("Command1")->click();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(menu.isVisible());  // only the detail file's option ends the program
  menu.end_proc();
  const std::string file = settings_file();
  EXPECT_NE(file.find("ctl_flg(5)=1\r\n"), std::string::npos);
  EXPECT_NE(file.find("[Text]\r\n\"ヶ\",\"ケ\"\r\n"), std::string::npos);
}

TEST_F(SettingsWindowTest, AChangedDetailFileOptionEndsTheProgram) {
  MainWindow& menu = app_.open<MainWindow>();
  open();
  control<QRadioButton>(*window_, "Option11")->click();
  control<QRadioButton>(*window_, "Option12")->click();  // back: no end
  button("Command1")->click();
  EXPECT_TRUE(menu.isVisible());
  EXPECT_FALSE(std::filesystem::exists(app_.settings_path()));

  open();
  control<QRadioButton>(*window_, "Option11")->click();
  testing::MessageBoxes boxes;
  QTest::keyClick(control(*window_, "Command1"), Qt::Key_Escape);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("環境再設定のため一旦終了します"));
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(menu.isVisible());
  EXPECT_NE(settings_file().find("ctl_flg(6)=0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kovari::ui
