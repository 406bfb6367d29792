// The splash window shown while the program starts: the product, the
// platforms it runs on and its version, with two pictures. It has no title
// bar and closes once the data is loaded.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SplashWindow;
}

namespace kovari::ui {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  SplashWindow();
  ~SplashWindow() override;

 private:
  std::unique_ptr<Ui::SplashWindow> ui_;
};

}  // namespace kovari::ui
