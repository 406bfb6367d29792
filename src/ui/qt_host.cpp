#include "ui/qt_host.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QString>

namespace kovari::ui {
namespace {

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

}  // namespace

QString to_qstring(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string to_u16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

QtHost::QtHost(QWidget* parent, QProgressBar* bar, QLineEdit* message_line)
    : parent_(parent), bar_(bar), message_line_(message_line) {}

void QtHost::bind(QProgressBar* bar, QLineEdit* message_line) {
  bar_ = bar;
  message_line_ = message_line;
}

void QtHost::message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) {
  QMessageBox box(to_qt_icon(icon), to_qstring(title), to_qstring(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtHost::ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) {
  QMessageBox box(to_qt_icon(icon), to_qstring(title), to_qstring(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

void QtHost::do_events() {
  if (events_allowed_) QCoreApplication::processEvents();
}

void QtHost::progress_caption(std::u16string_view caption) {
  if (bar_ && bar_->window()) bar_->window()->setWindowTitle(to_qstring(caption));
}

void QtHost::progress_range(long minimum, long maximum) {
  if (bar_) bar_->setRange(static_cast<int>(minimum), static_cast<int>(maximum));
}

void QtHost::progress_value(long value) {
  if (bar_) bar_->setValue(static_cast<int>(value));
}

void QtHost::progress_rate(double items_per_second) {
  if (bar_) {
    bar_->setFormat(QStringLiteral("%p%　") +
                    QLocale(QLocale::Japanese).toString(items_per_second, 'f', 0) +
                    QStringLiteral("件/秒"));
  }
}

void QtHost::status(std::u16string_view text) {
  if (message_line_) message_line_->setText(to_qstring(text));
}

bool QtHost::clipboard_has_text() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

std::u16string QtHost::clipboard_text() { return to_u16(QGuiApplication::clipboard()->text()); }

void QtHost::set_clipboard_text(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(to_qstring(text));
}

void QtHost::clear_clipboard() { QGuiApplication::clipboard()->clear(); }

}  // namespace kovari::ui
