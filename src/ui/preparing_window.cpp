#include "ui/preparing_window.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include "postaldb/startup.h"

namespace kovari::ui {

PreparingWindow::PreparingWindow(QWidget* parent)
    : QWidget(parent), progress_bar_(new QProgressBar(this)) {
  const std::u16string_view caption = postaldb::kPreparingCaption;
  setWindowTitle(QString::fromUtf16(caption.data(), static_cast<qsizetype>(caption.size())));
  progress_bar_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_bar_);
}

}  // namespace kovari::ui
