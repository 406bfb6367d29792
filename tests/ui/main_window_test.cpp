// The main menu headless (QT_QPA_PLATFORM=offscreen): its buttons and what
// they open, the running conversion windows and the clipboard conversion's
// warnings, its fixed size, and the end of the program with and without the
// settings file.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "qt_test_support.h"
#include "ui/batch_address_to_code_window.h"
#include "ui/batch_code_to_address_window.h"
#include "ui/clipboard_convert_window.h"
#include "ui/code_to_address_window.h"
#include "ui/kovari_app.h"
#include "ui/tools_menu_window.h"

namespace kovari::ui {
namespace {

using testing::control;

class MainWindowTest : public testing::QtTest {
 protected:
  void SetUp() override { ASSERT_TRUE(testing::load(app_, data_.path())); }

  std::string ini_contents() const {
    std::ifstream in(app_.settings_path(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  QPushButton* button(MainWindow& window, const char* name) {
    return control<QPushButton>(window, name);
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
};

TEST_F(MainWindowTest, EightButtonsUnderTheCaptionWithTheHelpNote) {
  MainWindow& window = app_.open<MainWindow>();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ソラト郵便番号") + QString(23, QChar(u'　')) +
                                      QStringLiteral("Ｆ１→ヘルプ"));
  const struct {
    const char* name;
    QString caption;
  } buttons[] = {
      {"Command1", QStringLiteral("住所→〒変換")},
      {"Command2", QStringLiteral("〒→住所変換")},
      {"Command3", QStringLiteral("住所→〒一括")},
      {"Command7", QStringLiteral("事業所名検索")},
      {"Command8", QStringLiteral("〒→住所一括")},
      {"Command4", QStringLiteral("住所→〒、〒→住所　クリップボード経由変換")},
      {"Command5", QStringLiteral("保守")},
      {"Command6", QStringLiteral("終了")},
  };
  for (const auto& b : buttons) {
    QPushButton* shown = button(window, b.name);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), b.caption) << b.name;
    EXPECT_TRUE(shown->isEnabled()) << b.name;
    // Every caption fits its button.
    EXPECT_GE(shown->width(), shown->fontMetrics().horizontalAdvance(b.caption)) << b.name;
  }
  EXPECT_EQ(&app_.open<MainWindow>(), &window);  // opened once, then raised
}

TEST_F(MainWindowTest, TheOfficeSearchIsDisabledWithoutTheDetailFile) {
  app_.session().settings.set_flag(settings::Flag::kDetailFile, 0);
  MainWindow& window = app_.open<MainWindow>();
  EXPECT_FALSE(button(window, "Command7")->isEnabled());
  EXPECT_TRUE(button(window, "Command8")->isEnabled());
}

TEST_F(MainWindowTest, TheCodeWindowIsMarkedOpenUntilItCloses) {
  MainWindow& window = app_.open<MainWindow>();
  button(window, "Command2")->click();
  auto* code_window = testing::shown_window<CodeToAddressWindow>();
  ASSERT_NE(code_window, nullptr);
  EXPECT_TRUE(app_.session().running.is_set(ConversionWindow::kCodeToAddress));
  button(window, "Command2")->click();  // raised, not opened twice
  EXPECT_EQ(testing::shown_window<CodeToAddressWindow>(), code_window);
  code_window->end_proc();
  EXPECT_FALSE(app_.session().running.any());
}

TEST_F(MainWindowTest, OpensTheBatchWindowsMarkedOpen) {
  MainWindow& window = app_.open<MainWindow>();
  button(window, "Command3")->click();
  button(window, "Command8")->click();
  auto* address_batch = testing::shown_window<BatchAddressToCodeWindow>();
  auto* code_batch = testing::shown_window<BatchCodeToAddressWindow>();
  ASSERT_NE(address_batch, nullptr);
  ASSERT_NE(code_batch, nullptr);
  EXPECT_TRUE(app_.session().running.is_set(ConversionWindow::kBatchAddressToCode));
  EXPECT_TRUE(app_.session().running.is_set(ConversionWindow::kBatchCodeToAddress));
  address_batch->end_proc();
  code_batch->end_proc();
  EXPECT_FALSE(app_.session().running.any());
}

// With the code window open (and, as the office-name search will mark it,
// flag 4), the clipboard conversion does not start: one warning per open
// window, in window order, each with its manual section behind "ヘルプ".
TEST_F(MainWindowTest, TheClipboardConversionRefusesToStartWhileConversionWindowsAreOpen) {
  MainWindow& window = app_.open<MainWindow>();
  button(window, "Command2")->click();
  app_.session().running.set(ConversionWindow::kOfficeSearch);
  testing::OpenedManual manual;
  testing::MessageBoxes boxes({QMessageBox::HelpRole, QMessageBox::AcceptRole});
  window.activateWindow();
  button(window, "Command4")->click();

  ASSERT_EQ(boxes.shown.size(), 2u);
  const QString second = QStringLiteral("起動中はクリップボード経由変換を選択できません。\r\n");
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("〒→住所変換が起動中です。\r\n") + second +
                                     QStringLiteral("〒→住所変換を終了後、選択して下さい。\r\n"));
  EXPECT_EQ(boxes.shown[1].text, QStringLiteral("事業所名検索が起動中です。\r\n") + second +
                                     QStringLiteral("事業所名検索を終了後、選択して下さい。\r\n"));
  for (const auto& shown : boxes.shown) {
    EXPECT_EQ(shown.title, QStringLiteral("注意メッセージ"));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
  }
  ASSERT_EQ(manual.urls.size(), 1u);
  EXPECT_EQ(manual.urls[0].fragment(), QStringLiteral("context-252"));
  EXPECT_TRUE(button(window, "Command1")->isEnabled());
}

// With every conversion window closed the clipboard conversion starts: while
// its window is open the buttons of the windows that would mix with it are
// disabled, all but "〒→住所一括", and they come back when it closes.
TEST_F(MainWindowTest, TheClipboardConversionDisablesTheOtherConversionsWhileItRuns) {
  MainWindow& window = app_.open<MainWindow>();
  button(window, "Command4")->click();
  auto* clipboard_window = testing::shown_window<ClipboardConvertWindow>();
  ASSERT_NE(clipboard_window, nullptr);
  std::vector<bool> enabled;
  const char* const openers[] = {"Command1", "Command2", "Command3", "Command7", "Command8"};
  for (const char* name : openers) enabled.push_back(button(window, name)->isEnabled());
  EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false, true}));
  clipboard_window->end_proc();
  for (const char* name : openers) {
    EXPECT_TRUE(button(window, name)->isEnabled()) << name;
  }
}

TEST_F(MainWindowTest, ResizingSnapsBackToTheFirstSize) {
  MainWindow& window = app_.open<MainWindow>();
  const QSize first = window.size();
  window.resize(first.width() + 120, first.height() + 80);
  EXPECT_EQ(window.size(), first);
  window.resize(first.width() / 2, first.height() / 2);
  EXPECT_EQ(window.size(), first);
}

TEST_F(MainWindowTest, TheToolsMenuOpensFromMaintenance) {
  MainWindow& window = app_.open<MainWindow>();
  button(window, "Command5")->click();
  EXPECT_NE(testing::shown_window<ToolsMenuWindow>(), nullptr);
}

TEST_F(MainWindowTest, EndButtonStoresThePositionAndWritesTheSettings) {
  MainWindow& window = app_.open<MainWindow>();
  window.move(40, 30);
  QPushButton* end_button = button(window, "Command6");
  ASSERT_NE(end_button, nullptr);
  end_button->click();
  EXPECT_FALSE(window.isVisible());
  const settings::FormPosition stored =
      app_.session().settings.position(settings::WindowNumber::kMainWindow);
  EXPECT_EQ(stored.left, 600);
  EXPECT_EQ(stored.top, 450);
  EXPECT_NE(ini_contents().find("kovari1_left=600\r\nkovari2_top="), std::string::npos);
}

TEST_F(MainWindowTest, EscapeOnAnyButtonEndsTheProgramLikeTheEndButton) {
  MainWindow& window = app_.open<MainWindow>();
  QTest::keyClick(button(window, "Command2"), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(std::filesystem::exists(app_.settings_path()));
}

TEST_F(MainWindowTest, ClosingThroughTheTitleBarLeavesTheSettingsFileAlone) {
  app_.open<MainWindow>().close();
  EXPECT_FALSE(std::filesystem::exists(app_.settings_path()));
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReported) {
  // A folder where the file should be cannot be replaced by it.
  std::filesystem::create_directories(app_.settings_path() / "in the way");
  MainWindow& window = app_.open<MainWindow>();
  testing::MessageBoxes boxes;
  window.end_proc();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("設定ファイルに書き込めません。")))
      << boxes.shown[0].text.toStdString();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace kovari::ui
