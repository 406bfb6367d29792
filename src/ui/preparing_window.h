// The small window with the start-up load's progress bar.
#pragma once

#include <QWidget>

class QProgressBar;

namespace kovari::ui {

class PreparingWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PreparingWindow(QWidget* parent = nullptr);
  QProgressBar* ProgressBar1() const { return progress_bar_; }

 private:
  QProgressBar* progress_bar_;
};

}  // namespace kovari::ui
