#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QString>

namespace kovari::ui {
namespace {

QString to_qstring(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon to_qt_icon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// One twip is 1/1440 inch; the windows assume the usual 96 pixels per inch.
constexpr int kTwipsPerPixel = 15;

}  // namespace

QtHost::QtHost(QWidget* parent, QProgressBar* bar, QLabel* message_line)
    : parent_(parent), bar_(bar), message_line_(message_line) {}

void QtHost::message_box(std::u16string_view text, std::u16string_view title,
                         MessageIcon icon) {
  QMessageBox box(to_qt_icon(icon), to_qstring(title), to_qstring(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

bool QtHost::ask_yes_no(std::u16string_view text, std::u16string_view title,
                        MessageIcon icon) {
  QMessageBox box(to_qt_icon(icon), to_qstring(title), to_qstring(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

void QtHost::do_events() { QCoreApplication::processEvents(); }

void QtHost::progress_caption(std::u16string_view caption) {
  if (bar_ && bar_->window()) bar_->window()->setWindowTitle(to_qstring(caption));
}

void QtHost::progress_range(long minimum, long maximum) {
  if (bar_) bar_->setRange(static_cast<int>(minimum), static_cast<int>(maximum));
}

void QtHost::progress_value(long value) {
  if (bar_) bar_->setValue(static_cast<int>(value));
}

void QtHost::status(std::u16string_view text) {
  if (message_line_) message_line_->setText(to_qstring(text));
}

int twips_to_pixels(int twips) { return twips / kTwipsPerPixel; }
int pixels_to_twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace kovari::ui
