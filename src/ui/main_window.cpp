#include "ui/main_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "postaldb/summary.h"
#include "settings/ini_file.h"
#include "ui/qt_host.h"

namespace kovari::ui {
namespace {

constexpr int kMainWindowNumber = 1;

QString summary_text(const postaldb::PostalDb& db) {
  QString text;
  for (const auto& [name, value] : postaldb::load_summary(db)) {
    text += QString::fromStdString(name) + QStringLiteral("  ") + QString::number(value) + '\n';
  }
  return text;
}

}  // namespace

MainWindow::MainWindow(const postaldb::PostalDb& db, settings::Settings& settings,
                       std::filesystem::path ini_path, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      ini_path_(std::move(ini_path)),
      Command6_(new QPushButton(QStringLiteral("終了"), this)) {
  setWindowTitle(QStringLiteral("ソラト郵便番号") + QString(23, QChar(0x3000)) +
                 QStringLiteral("Ｆ１→ヘルプ"));
  auto* counts = new QLabel(summary_text(db), this);
  counts->setObjectName(QStringLiteral("Summary"));
  counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(counts);
  layout->addWidget(Command6_);
  connect(Command6_, &QPushButton::clicked, this, &MainWindow::end_proc);
}

void MainWindow::set_form1() {
  move(twips_to_pixels(settings_.form_left[kMainWindowNumber]),
       twips_to_pixels(settings_.form_top[kMainWindowNumber]));
}

void MainWindow::end_proc() {
  settings_.form_top[kMainWindowNumber] = pixels_to_twips(y());
  settings_.form_left[kMainWindowNumber] = pixels_to_twips(x());
  // The program always ends: a settings file that cannot be written keeps its old contents.
  settings::put_ini_file(ini_path_, settings_);
  close();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    end_proc();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kovari::ui
