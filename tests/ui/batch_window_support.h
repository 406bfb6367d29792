// What the batch window tests share: a loaded application, a folder for the
// Shift-JIS files a test writes and the windows write, Enter typed into a
// field, and kovari-cli run with the same settings on the same data.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <string>

#include "cli/run_program.h"
#include "qt_test_support.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"

namespace kovari::ui::testing {

class BatchWindowTest : public QtTest {
 protected:
  void SetUp() override { ASSERT_TRUE(load(app_, data_.path())); }

  std::filesystem::path file(const std::string& name) const { return folder_.path() / name; }
  QString file_text(const std::string& name) const {
    return QString::fromStdString(file(name).string());
  }
  void write_sjis(const std::string& name, std::u16string_view content) const {
    std::ofstream(file(name), std::ios::binary) << text::encode_sjis(content).value();
  }
  std::string bytes(const std::string& name) const {
    return kovari::testing::file_bytes(file(name));
  }
  std::u16string read_sjis(const std::string& name) const {
    return text::decode_sjis(bytes(name)).value_or(u"?");
  }
  // kovari-cli `command` with `arguments` on the window's data; its exit status.
  int cli(const std::string& command, const std::string& arguments) const {
    return kovari::testing::run_command(kovari::testing::cli_program().string() + " " + command +
                                        " " + arguments + " --data " + data_.path().string() +
                                        " >/dev/null 2>&1")
        .status;
  }

  // Types `value` into `field` and presses Enter there.
  static void enter(QLineEdit* field, const QString& value) {
    field->setFocus();
    field->setText(value);
    QTest::keyClick(field, Qt::Key_Return);
  }
  // The control of the window under test that has the focus (or would have
  // it, the window being behind a message box that just closed).
  QWidget* focused() const { return window_under_test->focusWidget(); }
  QWidget* window_under_test = nullptr;

  DataCopy data_{basic_data()};
  KovariApp app_;
  kovari::testing::TempFolder folder_{"kovari-batch-window"};
};

}  // namespace kovari::ui::testing
