// kovari-screenshots DATA_FOLDER OUT_FOLDER: loads the data, opens every
// window of the registry (shots.cpp) in its typical states and writes each as
// OUT_FOLDER/<name>.png, drawn with a title bar that shows its caption. Every
// shot is checked (window_checks.h); the problems are printed and make the
// exit status 1.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "shots.h"
#include "ui/kovari_app.h"
#include "window_checks.h"

namespace {

using kovari::screenshots::window_problems;

// Lets the window lay itself out and paint.
void settle() {
  QEventLoop loop;
  QTimer::singleShot(100, &loop, &QEventLoop::quit);
  loop.exec();
}

// The window as the desktop shows it: its caption in a title bar above it
// (a splash window has none).
QImage framed(QWidget& window) {
  const QImage content = window.grab().toImage();
  if (window.windowFlags().testFlag(Qt::SplashScreen)) return content;
  QFont font = QApplication::font();
  font.setBold(true);
  const int bar = QFontMetrics(font).height() + 12;
  QImage image(content.width(), content.height() + bar, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.fillRect(0, 0, image.width(), bar, QColor(0x2a, 0x4f, 0x86));
  painter.setPen(Qt::white);
  painter.setFont(font);
  painter.drawText(QRect(8, 0, image.width() - 8, bar), Qt::AlignVCenter | Qt::AlignLeft,
                   window.windowTitle());
  painter.drawImage(0, bar, content);
  return image;
}

// The glyph check must find a character that no font has.
bool glyph_check_works() {
  QLabel label(QStringLiteral("〒\uE000"));
  return !kovari::screenshots::has_every_glyph(label.text(), label.font()) &&
         kovari::screenshots::has_every_glyph(QStringLiteral("〒→住所変換"), label.font());
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: kovari-screenshots DATA_FOLDER OUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);

  kovari::ui::KovariApp app;
  // Settings of their own: nothing of the user's is read or written.
  const QTemporaryDir home;
  const std::filesystem::path scratch = home.path().toStdString();
  if (!app.load(data, {data, scratch / "config", scratch / "share"})) return 2;

  int problems = 0;
  auto report = [&problems](const std::string& shot, const std::string& problem) {
    std::cerr << shot << ": " << problem << "\n";
    ++problems;
  };
  if (!glyph_check_works()) report("glyph check", "does not tell a missing glyph");
  for (const kovari::screenshots::Shot& shot : kovari::screenshots::all_shots()) {
    QWidget* window = shot.stage(app);
    window->show();
    window->activateWindow();
    settle();
    const QString file = QDir(out).filePath(QString::fromLatin1(shot.name) + ".png");
    if (!framed(*window).save(file)) report(shot.name, "cannot be written");
    if (kovari::screenshots::looks_blank(QImage(file))) report(shot.name, "blank");
    for (const std::string& problem : window_problems(*window)) report(shot.name, problem);
    std::cout << file.toStdString() << "\n";
    window->close();
    settle();
  }
  return problems == 0 ? 0 : 1;
}
