#include "ui/clipboard_convert_window.h"

#include <QCloseEvent>
#include <QIcon>

#include "session/session.h"
#include "ui/pictures.h"
#include "ui_clipboard_convert_window.h"

namespace kovari::ui {

ClipboardConvertWindow::ClipboardConvertWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kClipboardConvert),
      ui_(new Ui::ClipboardConvertWindow),
      history_(session().files.clipboard_history),
      converter_(session(), host()) {
  ui_->setupUi(this);
  draw_pictures(this);
  draw();
  // A child (it leaves its parent when it is destroyed first), found by its name.
  timer_.setParent(this);
  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setInterval(1000);
  // On the window's thread: a tick never meets a conversion half done but
  // through the watcher's own busy flag.
  connect(&timer_, &QTimer::timeout, this, &ClipboardConvertWindow::watch_step);
  connect(ui_->Option1, &QRadioButton::clicked, this, &ClipboardConvertWindow::start);
  connect(ui_->Option2, &QRadioButton::clicked, this, [this] {
    timer_.stop();
    end_proc();
  });
}

ClipboardConvertWindow::~ClipboardConvertWindow() = default;

void ClipboardConvertWindow::start() {
  clipboard::start_watch(watch_, host());
  timer_.start();
  draw();
}

void ClipboardConvertWindow::watch_step() {
  const BusyScope converting(*this);
  if (!converting.entered()) return;
  watch_.first_of_several = ui_->Check1->isChecked();
  if (clipboard::watch_step(watch_, converter_, history_, host(), session().settings)) draw();
}

void ClipboardConvertWindow::draw() {
  ui_->Command2->setText(to_qstring(watch_.caption));
  const QLabel* holder = nullptr;
  switch (watch_.picture) {
    case clipboard::ClipPicture::kWorking:
      holder = ui_->Picture2;
      break;
    case clipboard::ClipPicture::kConverted:
      holder = ui_->Picture3;
      break;
    case clipboard::ClipPicture::kNotConverted:
      holder = ui_->Picture4;
      break;
  }
  ui_->Picture1->setPixmap(holder->pixmap());
  setWindowIcon(QIcon(holder->pixmap()));
}

void ClipboardConvertWindow::closeEvent(QCloseEvent* event) {
  KovariWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  timer_.stop();
  emit closed();
}

}  // namespace kovari::ui
