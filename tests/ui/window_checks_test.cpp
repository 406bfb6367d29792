// The checks of the screenshots find what they are for: a character drawn as
// an empty box, a caption cut short, controls on top of each other, a blank
// image.
#include "window_checks.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt_test_support.h"

namespace kovari::screenshots {
namespace {

class WindowChecksTest : public ui::testing::QtTest {
 protected:
  // A window of two controls laid out one under the other.
  WindowChecksTest() {
    window_.setWindowTitle(QStringLiteral("〒→住所変換"));
    auto* layout = new QVBoxLayout(&window_);
    label_->setObjectName(QStringLiteral("Label1"));
    button_->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(label_);
    layout->addWidget(button_);
    window_.resize(400, 120);
    window_.show();
  }

  QWidget window_;
  QLabel* label_ = new QLabel(QStringLiteral("郵便番号を入力して下さい。"));
  QPushButton* button_ = new QPushButton(QStringLiteral("変換"));
};

TEST_F(WindowChecksTest, ACleanWindowHasNoProblems) {
  EXPECT_EQ(window_problems(window_), std::vector<std::string>{});
}

TEST_F(WindowChecksTest, ACharacterNoFontHasIsFound) {
  label_->setText(QStringLiteral("郵便番号\uE000"));
  EXPECT_EQ(window_problems(window_),
            std::vector<std::string>{"Label1 without glyphs: 郵便番号\uE000"});
  EXPECT_FALSE(has_every_glyph(QStringLiteral("\uE000"), window_.font()));
  EXPECT_TRUE(has_every_glyph(QStringLiteral("ソラト郵便番号　Ｆ１→ヘルプ"), window_.font()));
}

TEST_F(WindowChecksTest, ACutCaptionAndOverlappingControlsAreFound) {
  window_.layout()->removeWidget(button_);
  button_->setGeometry(label_->geometry().adjusted(0, 0, -label_->width() + 20, 0));
  const std::vector<std::string> problems = window_problems(window_);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_TRUE(problems[0].starts_with("Command1 cut: needs ")) << problems[0];
  EXPECT_EQ(problems[1], "Label1 overlaps Command1");

  window_.setWindowTitle(QString(60, QChar(u'〒')));
  EXPECT_EQ(window_problems(window_).front().substr(0, 30), "caption cut by the title bar: ");
}

TEST(LooksBlankTest, OneColourIsBlankAWindowIsNot) {
  ui::testing::application();
  QImage image(200, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  EXPECT_TRUE(looks_blank(image));
  QPainter painter(&image);
  QFont font = QApplication::font();
  font.setPointSize(20);
  painter.setFont(font);
  painter.drawRect(4, 4, 190, 70);
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("〒→住所"));
  painter.end();
  EXPECT_FALSE(looks_blank(image));
}

}  // namespace
}  // namespace kovari::screenshots
