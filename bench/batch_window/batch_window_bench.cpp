// A batch code-to-address run through BatchCodeToAddressWindow, as a person
// starts it with "実行": the generated 100,000-line file of
// kovari-bench-code-batch, the message item on. Prints the run's wall time,
// records per second, and the longest time the window went without handling
// its events (a 10 ms timer measures the gaps between its ticks), which is
// what a person feels as the window freezing.
//
// usage: kovari-bench-batch-window [DATA_DIR] [LINES]
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench_data.h"
#include "code_batch_input.h"
#include "session/session.h"
#include "ui/batch_code_to_address_window.h"
#include "ui/kovari_app.h"

namespace kovari {
namespace {

int run(int argc, char** argv) {
  const std::filesystem::path data = bench::data_folder(argc, argv);
  const long lines = argc > 2 ? std::atol(argv[2]) : 100000;
  ui::KovariApp app;
  const QTemporaryDir scratch;
  const std::filesystem::path folder = scratch.path().toStdString();
  if (!app.load(data, {folder, folder / "config", folder / "share"})) return 1;
  std::ofstream(folder / "in.csv", std::ios::binary)
      << bench::code_batch_input(app.session().db, lines);

  auto& window = app.open<ui::BatchCodeToAddressWindow>();
  auto field = [&](const char* name, const std::string& text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromStdString(text));
  };
  field("Text1", (folder / "in.csv").string());
  field("Text7", "3");
  field("Text2", "3");
  field("Text3", "2");
  field("Text4", (folder / "out.csv").string());
  window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);

  // The gaps between the ticks of a 10 ms timer while the run goes on.
  QElapsedTimer since_tick;
  qint64 longest_gap = 0;
  long ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longest_gap = std::max(longest_gap, since_tick.restart());
    ++ticks;
  });
  // The summary box is read and closed.
  QString summary;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      summary = box->text();
      box->accept();
    }
  });
  answer.start(5);

  QElapsedTimer wall;
  wall.start();
  since_tick.start();
  ticker.start(10);
  window.findChild<QPushButton*>(QStringLiteral("Command7"))->click();
  const double seconds = static_cast<double>(wall.elapsed()) / 1000;
  ticker.stop();
  std::printf("%s\n", summary.toStdString().c_str());
  std::printf("records %ld, wall %.3f s, %.0f records per second\n", lines, seconds,
              static_cast<double>(lines) / seconds);
  std::printf("events handled %ld times, longest time without them %lld ms\n", ticks,
              static_cast<long long>(longest_gap));
  return summary.isEmpty() ? 1 : 0;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  return kovari::run(argc, argv);
}
