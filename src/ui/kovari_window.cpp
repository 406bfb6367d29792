#include "ui/kovari_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ui/kovari_app.h"
#include "ui/manual.h"
#include "ui/window_position.h"

namespace kovari::ui {

KovariWindow::KovariWindow(KovariApp& app, settings::WindowNumber number,
                           std::optional<ConversionWindow> conversion)
    : app_(app), number_(number), conversion_(conversion), host_(this) {}

Session& KovariWindow::session() { return app_.session(); }

double KovariWindow::dpi() const { return screen()->logicalDotsPerInch(); }

void KovariWindow::set_form1() {
  const settings::FormPosition saved = app_.session().settings.position(number_);
  const QRect frame(twips_to_pixels(saved.left, dpi()), twips_to_pixels(saved.top, dpi()),
                    frameGeometry().width(), frameGeometry().height());
  QList<QRect> screens;
  for (const QScreen* s : QGuiApplication::screens()) screens.push_back(s->availableGeometry());
  move(place_on_screens(frame, screens));
}

void KovariWindow::store_position() {
  app_.session().settings.set_position(number_,
                                       {pixels_to_twips(y(), dpi()), pixels_to_twips(x(), dpi())});
}

void KovariWindow::end_proc() {
  if (!busy_) close();
}

QString KovariWindow::manual_section() const {
  const QString name = QString::fromLatin1(metaObject()->className());
  return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void KovariWindow::open_manual(const QString& section) {
  const QUrl url = manual_url(QCoreApplication::applicationDirPath(), section);
  if (url.isEmpty() || !QDesktopServices::openUrl(url)) {
    QMessageBox::warning(this, QStringLiteral("注意メッセージ"),
                         QStringLiteral("マニュアルが見つかりません。"));
  }
}

void KovariWindow::warn_with_help(std::u16string_view text, std::u16string_view title,
                                  const QString& section) {
  QMessageBox box(QMessageBox::Warning, to_qstring(title), to_qstring(text), QMessageBox::Ok, this);
  const QAbstractButton* help = box.addButton(QStringLiteral("ヘルプ"), QMessageBox::HelpRole);
  box.exec();
  if (box.clickedButton() == help) open_manual(section);
}

void KovariWindow::set_focus_controls(std::map<Focus, QString> controls) {
  focus_controls_ = std::move(controls);
}

void KovariWindow::focus_field(Focus focus) {
  const auto control = focus_controls_.find(focus);
  if (control == focus_controls_.end()) return;
  if (auto* widget = findChild<QWidget*>(control->second)) widget->setFocus();
}

void KovariWindow::watch_controls(QObject* object) {
  object->installEventFilter(this);
  // Enter on a button that has the focus clicks it.
  if (auto* button = qobject_cast<QPushButton*>(object)) button->setAutoDefault(true);
  for (QObject* child : object->children()) {
    if (child->isWidgetType()) watch_controls(child);
  }
}

void KovariWindow::showEvent(QShowEvent* event) {
  watch_controls(this);
  QWidget::showEvent(event);
}

bool KovariWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded) {
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) watch_controls(child);
  } else if (event->type() == QEvent::FocusIn && watched != this &&
             static_cast<QWidget*>(watched)->window() == this) {
    // After the click that gave the focus has placed the cursor.
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    switch (static_cast<QFocusEvent*>(event)->reason()) {
      case Qt::MouseFocusReason:
      case Qt::TabFocusReason:
      case Qt::BacktabFocusReason:
      case Qt::ShortcutFocusReason:
        entered(static_cast<QWidget*>(watched));
        break;
      default:  // the program moved the focus, or the window came back to the front
        break;
    }
  } else if (event->type() == QEvent::KeyPress &&
             static_cast<QWidget*>(watched)->window() == this) {
    // Keys of this window's own controls only: a dialog it opened has its own.
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Escape:
        end_proc();
        return true;
      case Qt::Key_F1:
        open_manual(manual_section());
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void KovariWindow::closeEvent(QCloseEvent* event) {
  // A close while the engine runs would free what it is using.
  if (busy_) {
    event->ignore();
    return;
  }
  store_position();
  if (conversion_) session().running.clear(*conversion_);
  QWidget::closeEvent(event);
}

KovariWindow::BusyScope::BusyScope(KovariWindow& window)
    : window_(window), entered_(!window.busy_) {
  if (!entered_) return;
  window_.busy_ = true;
  window_.host_.set_events_allowed(true);
}

KovariWindow::BusyScope::~BusyScope() {
  if (!entered_) return;
  window_.host_.set_events_allowed(false);
  window_.busy_ = false;
}

}  // namespace kovari::ui
