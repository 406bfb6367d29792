// The batch code-to-address window headless, over Shift-JIS files the test
// writes: Enter in each field with its check and message, the first-line
// probe, a run compared byte for byte with kovari-cli batch-code, and the
// runs that cannot write or may not replace their output.
#include "ui/batch_code_to_address_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "batch_window_support.h"
#include "session/session.h"
#include "ui/preparing_window.h"

namespace kovari::ui {
namespace {

using testing::control;

class BatchCodeToAddressWindowTest : public testing::BatchWindowTest {
 protected:
  void SetUp() override {
    BatchWindowTest::SetUp();
    write_sjis(
        "in.csv",
        u"番号,郵便番号\r\n1,1000001\r\n2,〒１０１－００２１\r\n3,12345\r\n4,1000000\r\n\r\n");
    app_.session().settings.in_file_name2 = u" " + file_text("in.csv").toStdU16String() + u" ";
    window_ = &app_.open<BatchCodeToAddressWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_under_test = window_;
  }
  QLineEdit* field(const char* name) { return control<QLineEdit>(*window_, name); }
  QString message() { return field("Text6")->text(); }
  // The fields of a run over in.csv into `out`, its header line skipped.
  void fill(const std::string& out) {
    field("Text1")->setText(file_text("in.csv"));
    field("Text7")->setText(QStringLiteral("2"));
    field("Text2")->setText(QStringLiteral("2"));
    field("Text3")->setText(QStringLiteral("2"));
    field("Text4")->setText(file_text(out));
  }
  void start() { control<QPushButton>(*window_, "Command7")->click(); }

  BatchCodeToAddressWindow* window_ = nullptr;
};

TEST_F(BatchCodeToAddressWindowTest, OpensWithTheRememberedInputAndEmptyFields) {
  EXPECT_EQ(message(), QStringLiteral("一括変換の条件を入力して下さい。"));
  EXPECT_EQ(field("Text1")->text(), file_text("in.csv"));
  for (const char* name : {"Text7", "Text2", "Text3", "Text4"}) {
    EXPECT_TRUE(field(name)->text().isEmpty()) << name;
  }
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame1")->title(),
            QStringLiteral("変換前ファイルの条件"));
  EXPECT_FALSE(control<QCheckBox>(*window_, "Check1")->isChecked());
}

TEST_F(BatchCodeToAddressWindowTest, EnterChecksEachFieldAndMovesOn) {
  // The input field: its first line fills the item count.
  enter(field("Text1"), file_text("in.csv"));
  EXPECT_EQ(message(), QStringLiteral("郵便番号位置を１～５０の範囲で入力して下さい。"));
  EXPECT_EQ(focused(), field("Text2"));
  EXPECT_EQ(field("Text7")->text(), QStringLiteral("2"));

  enter(field("Text2"), QStringLiteral("3"));
  EXPECT_EQ(message(), QStringLiteral("郵便番号位置の入力に誤りがあります。"));
  EXPECT_EQ(focused(), field("Text2"));
  enter(field("Text2"), QStringLiteral("2"));
  EXPECT_EQ(message(), QStringLiteral("変換開始行を入力して下さい。"));
  EXPECT_EQ(focused(), field("Text3"));
  // The preview shows the item of the first line, the scroll bar the position.
  EXPECT_EQ(field("Text5")->text(), QStringLiteral("郵便番号"));
  EXPECT_EQ(control<QScrollBar>(*window_, "HScroll1")->value(), 2);

  enter(field("Text3"), QStringLiteral("x"));
  EXPECT_EQ(message(), QStringLiteral("開始行位置の入力に誤りがあります。"));
  enter(field("Text3"), QString());
  EXPECT_EQ(field("Text3")->text(), QStringLiteral("1"));
  EXPECT_EQ(message(), QStringLiteral("変換後ファイル名を入力して下さい。"));
  EXPECT_EQ(focused(), field("Text4"));

  enter(field("Text4"), QStringLiteral(" ") + file_text("in.csv"));
  EXPECT_EQ(message(), QStringLiteral("変換前ファイルと変換後ファイルは同一にできません。"));
  EXPECT_EQ(focused(), field("Text4"));
  enter(field("Text4"), file_text("out.csv"));
  EXPECT_EQ(focused(), control<QPushButton>(*window_, "Command7"));

  // A bad item count is told as the field is left.
  enter(field("Text7"), QStringLiteral("0"));
  EXPECT_EQ(message(), QStringLiteral("項目数の入力に誤りがあります。"));
  field("Text3")->setFocus();
  EXPECT_EQ(focused(), field("Text7"));
  EXPECT_EQ(message(), QStringLiteral("項目数の入力に誤りがあります。"));
}

TEST_F(BatchCodeToAddressWindowTest, AFirstLineOfMoreThanFiftyOneItemsIsRefused) {
  std::u16string line;
  for (int k = 0; k < 52; ++k) line += u"1,";
  write_sjis("wide.csv", line + u"\r\n");
  enter(field("Text1"), file_text("wide.csv"));
  EXPECT_EQ(message(), QStringLiteral("項目数が５１以上のため処理できません。"));
  EXPECT_EQ(focused(), field("Text1"));
}

TEST_F(BatchCodeToAddressWindowTest, ARunWritesWhatTheCommandLineWritesAndCloses) {
  fill("window.csv");
  control<QCheckBox>(*window_, "Check1")->setChecked(true);
  testing::MessageBoxes boxes;
  QString progress_caption;
  boxes.while_shown = [&] {
    if (auto* progress = testing::shown_window<PreparingWindow>()) {
      progress_caption = progress->windowTitle();
    }
  };
  start();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("情報メッセージ"));
  EXPECT_TRUE(boxes.shown[0].text.startsWith(
      QStringLiteral("一括変換処理が終了しました。\r\n変換対象件数は４件です。\r\n")))
      << boxes.shown[0].text.toStdString();
  EXPECT_EQ(progress_caption, QStringLiteral("ソラト郵便番号　一括変換処理中!!"));
  EXPECT_EQ(testing::shown_window<BatchCodeToAddressWindow>(), nullptr);
  EXPECT_EQ(app_.session().settings.in_file_name2, file_text("in.csv").toStdU16String());
  EXPECT_EQ(app_.session().settings.out_file_name2, file_text("window.csv").toStdU16String());

  ASSERT_EQ(
      cli("batch-code", "--in " + file("in.csv").string() + " --out " + file("cli.csv").string() +
                            " --items 2 --code-pos 2 --start-line 2 --message"),
      0);
  EXPECT_EQ(bytes("window.csv"), bytes("cli.csv"));
  EXPECT_EQ(read_sjis("window.csv")
                .rfind(u"1,1000001,東京都千代田区千代田,\r\n"
                       u"2,〒１０１－００２１,東京都千代田区外神田,\r\n",
                       0),
            0u);
}

// Closing the window while it runs is refused: the run goes on to the end,
// the summary appears, and the window closes after it with a whole output.
TEST_F(BatchCodeToAddressWindowTest, ClosingTheWindowMidRunLetsTheRunFinish) {
  std::u16string lines;
  for (int k = 1; k <= 3000; ++k) lines += u"x,1000001\r\n";
  write_sjis("long.csv", lines);
  fill("out.csv");
  field("Text1")->setText(file_text("long.csv"));
  field("Text3")->setText(QStringLiteral("1"));
  bool busy_when_closed = false;
  bool open_after_close = false;
  QTimer::singleShot(0, window_, [&] {
    busy_when_closed = window_->busy();
    window_->end_proc();
    QTest::keyClick(field("Text4"), Qt::Key_Escape);
    open_after_close = window_->isVisible();
  });
  testing::MessageBoxes boxes;
  start();
  EXPECT_TRUE(busy_when_closed);
  EXPECT_TRUE(open_after_close);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("情報メッセージ"));
  const std::u16string output = read_sjis("out.csv");
  EXPECT_EQ(std::count(output.begin(), output.end(), u'\n'), 3000);
  EXPECT_EQ(testing::shown_window<BatchCodeToAddressWindow>(), nullptr);
}

TEST_F(BatchCodeToAddressWindowTest, AnOutputThatCannotBeWrittenIsAFailure) {
  fill("missing/out.csv");
  testing::MessageBoxes boxes;
  start();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("警告メッセージ"));
  EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("変換後ファイルを作成できません。")));
  EXPECT_EQ(message(), QStringLiteral("変換後ファイルを作成できません。"));
  EXPECT_EQ(testing::shown_window<BatchCodeToAddressWindow>(), window_);
  EXPECT_TRUE(control<QPushButton>(*window_, "Command7")->isEnabled());
  EXPECT_TRUE(control<QGroupBox>(*window_, "Frame1")->isEnabled());
}

TEST_F(BatchCodeToAddressWindowTest, TheOverwriteQuestionAnsweredNoLeavesTheOldOutput) {
  fill("out.csv");
  std::ofstream(file("out.csv"), std::ios::binary) << "old";
  testing::MessageBoxes boxes({QMessageBox::NoRole});
  start();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("上書きしても構いませんか。")));
  EXPECT_EQ(bytes("out.csv"), "old");
  EXPECT_EQ(message(), QStringLiteral("変換後ファイル名を入力して下さい。"));
  EXPECT_EQ(focused(), field("Text4"));
}

TEST_F(BatchCodeToAddressWindowTest, AWrongItemCountAnsweredNoStops) {
  fill("out.csv");
  field("Text7")->setText(QStringLiteral("3"));
  testing::MessageBoxes boxes({QMessageBox::NoRole});
  start();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("警告メッセージ"));
  EXPECT_EQ(message(), QStringLiteral("項目数の入力に誤りがあります。"));
  EXPECT_EQ(focused(), field("Text7"));
  EXPECT_FALSE(std::filesystem::exists(file("out.csv")));
}

}  // namespace
}  // namespace kovari::ui
