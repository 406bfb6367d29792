// The window base, headless: positions in twips kept by window number and
// placed on a screen, Esc and F1 from any control, the focus helper, and the
// busy scope around engine runs.
#include "ui/kovari_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "qt_test_support.h"
#include "ui/manual.h"
#include "ui/window_position.h"

namespace kovari::ui {
namespace {

class SampleWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit SampleWindow(KovariApp& app)
      : KovariWindow(app, settings::WindowNumber::kCodeToAddress,
                     ConversionWindow::kCodeToAddress) {
    resize(300, 200);
    code_->setObjectName(QStringLiteral("Text1"));
    address_->setObjectName(QStringLiteral("Text4"));
    address_->move(0, 40);
    button_->move(0, 80);
    set_focus_controls(
        {{Focus::kCode, QStringLiteral("Text1")}, {Focus::kAddress, QStringLiteral("Text4")}});
  }
  using KovariWindow::focus_field;
  using KovariWindow::host;

  QLineEdit* code_ = new QLineEdit(this);
  QLineEdit* address_ = new QLineEdit(this);
  QPushButton* button_ = new QPushButton(this);
  std::vector<QWidget*> entered_controls;

 protected:
  void entered(QWidget* control) override { entered_controls.push_back(control); }
};

class KovariWindowTest : public testing::QtTest {
 protected:
  settings::Settings& settings() { return app_.session().settings; }

  KovariApp app_;
};

TEST(WindowPositionTest, TwipsArePixelsAtTheScreensResolution) {
  const struct {
    int twips;
    double dpi;
    int pixels;
  } cases[] = {{1500, 96, 100}, {1500, 144, 150}, {-300, 96, -20}, {7, 96, 0}, {8, 96, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  }
  EXPECT_EQ(pixels_to_twips(100, 96), 1500);
  EXPECT_EQ(pixels_to_twips(150, 144), 1500);
}

TEST(WindowPositionTest, AWindowOffEveryScreenComesBackToTheFirst) {
  const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  const struct {
    QRect frame;
    QPoint placed;
  } cases[] = {
      {QRect(100, 50, 400, 300), QPoint(100, 50)},      // on the first screen
      {QRect(2500, 900, 400, 300), QPoint(2500, 900)},  // on the second
      {QRect(5000, 50, 400, 300), QPoint(1520, 50)},    // right of both
      {QRect(-500, -40, 400, 300), QPoint(0, 0)},       // above and left of both
      {QRect(100, 2000, 400, 300), QPoint(100, 780)},   // below
      {QRect(-10, 10, 3000, 300), QPoint(0, 10)},       // wider than the screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(place_on_screens(c.frame, screens), c.placed) << c.frame.x() << "," << c.frame.y();
  }
  EXPECT_EQ(place_on_screens(QRect(-500, -40, 10, 10), {}), QPoint(-500, -40));
}

TEST_F(KovariWindowTest, OpensWhereItWasClosedAndNeverOffTheScreens) {
  SampleWindow window(app_);
  ASSERT_EQ(window.screen()->logicalDotsPerInch(), 96);
  settings().set_position(settings::WindowNumber::kCodeToAddress, {1500, 3000});
  window.set_form1();
  EXPECT_EQ(window.pos(), QPoint(200, 100));

  window.show();
  window.move(40, 30);
  window.end_proc();
  const settings::FormPosition stored = settings().position(settings::WindowNumber::kCodeToAddress);
  EXPECT_EQ(stored.left, 600);
  EXPECT_EQ(stored.top, 450);

  settings().set_position(settings::WindowNumber::kCodeToAddress, {300000, -300000});
  window.set_form1();
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_EQ(window.pos(),
            QPoint(screen.left(), screen.bottom() + 1 - window.frameGeometry().height()));
}

TEST_F(KovariWindowTest, EscapeInAnyControlClosesTheWindow) {
  SampleWindow window(app_);
  window.show();
  QTest::keyClick(window.address_, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());

  // A control added once the window is shown closes it too.
  window.show();
  auto* later = new QPushButton(&window);
  later->show();
  QTest::keyClick(later, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST(ManualTest, TheManualBesideTheProgramElseInTheSharedDataFolder) {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / "kovari_ui_manual_lookup";
  std::filesystem::remove_all(root);
  const std::filesystem::path program = root / "bin";
  std::filesystem::create_directories(program);
  const QString folder = QString::fromStdString(program.string());
  EXPECT_TRUE(manual_url(folder, QStringLiteral("MainWindow")).isEmpty());

  std::filesystem::create_directories(root / "share/kovari/manual");
  std::ofstream(root / "share/kovari/manual/index.html") << "<html></html>";
  QUrl url = manual_url(folder, QStringLiteral("MainWindow"));
  EXPECT_EQ(url.toLocalFile().toStdString(),
            std::filesystem::canonical(root / "share/kovari/manual/index.html").string());
  EXPECT_EQ(url.fragment(), QStringLiteral("MainWindow"));

  std::filesystem::create_directories(program / "manual");
  std::ofstream(program / "manual/index.html") << "<html></html>";
  url = manual_url(folder, QStringLiteral("SearchResultWindow"));
  EXPECT_EQ(url.toLocalFile().toStdString(),
            std::filesystem::canonical(program / "manual/index.html").string());
  EXPECT_EQ(url.fragment(), QStringLiteral("SearchResultWindow"));
  std::filesystem::remove_all(root);
}

TEST_F(KovariWindowTest, F1OpensTheWindowsSectionOfTheManual) {
  testing::OpenedManual manual;
  SampleWindow window(app_);
  window.show();
  QTest::keyClick(window.code_, Qt::Key_F1);

  ASSERT_EQ(manual.urls.size(), 1u);
  EXPECT_TRUE(manual.urls[0].path().endsWith(QStringLiteral("/manual/index.html")));
  EXPECT_EQ(manual.urls[0].fragment(), QStringLiteral("SampleWindow"));
  EXPECT_TRUE(window.isVisible());
}

TEST_F(KovariWindowTest, TheFocusGoesToTheControlOfTheOutcomesField) {
  SampleWindow window(app_);
  window.focus_field(Focus::kAddress);
  EXPECT_EQ(window.focusWidget(), window.address_);
  window.focus_field(Focus::kCode);
  EXPECT_EQ(window.focusWidget(), window.code_);
  window.focus_field(Focus::kItemCount);  // a field this window does not have
  EXPECT_EQ(window.focusWidget(), window.code_);
}

TEST_F(KovariWindowTest, WhileBusyACloseAndASecondRunAreRefused) {
  SampleWindow window(app_);
  window.show();
  {
    KovariWindow::BusyScope run(window);
    ASSERT_TRUE(run.entered());
    EXPECT_FALSE(KovariWindow::BusyScope(window).entered());
    window.close();
    QTest::keyClick(window.code_, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
  }
  EXPECT_FALSE(window.busy());
  window.close();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(KovariWindowTest, EnterClicksTheButtonThatHasTheFocus) {
  SampleWindow window(app_);
  window.show();
  int clicks = 0;
  QObject::connect(window.button_, &QPushButton::clicked, [&clicks] { ++clicks; });
  window.button_->setFocus();
  QTest::keyClick(window.button_, Qt::Key_Return);
  QTest::keyClick(window.button_, Qt::Key_Enter);
  EXPECT_EQ(clicks, 2);
}

// A field the user enters shows its whole text selected, and the window
// hears of it; the program moving the focus selects without telling it.
TEST_F(KovariWindowTest, EnteringAFieldSelectsItsText) {
  SampleWindow window(app_);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.code_->setText(QStringLiteral("1000001"));
  window.address_->setText(QStringLiteral("東京都"));
  window.focus_field(Focus::kAddress);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.address_->selectedText(), QStringLiteral("東京都"));
  EXPECT_TRUE(window.entered_controls.empty());

  QTest::keyClick(window.address_, Qt::Key_Backtab);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.code_->selectedText(), QStringLiteral("1000001"));
  EXPECT_EQ(window.entered_controls, (std::vector<QWidget*>{window.code_}));
}

TEST_F(KovariWindowTest, AConversionWindowIsMarkedOpenUntilItCloses) {
  SampleWindow window(app_);
  app_.session().running.set(ConversionWindow::kCodeToAddress);  // as the menu opens it
  window.show();
  window.end_proc();
  EXPECT_FALSE(app_.session().running.is_set(ConversionWindow::kCodeToAddress));
}

TEST_F(KovariWindowTest, PendingEventsRunOnlyInsideABusyScope) {
  SampleWindow window(app_);
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  window.host().do_events();
  EXPECT_FALSE(ran);
  {
    KovariWindow::BusyScope run(window);
    window.host().do_events();
  }
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kovari::ui

#include "kovari_window_test.moc"
