// The record view: one line of the batch address-to-code window's input file
// as numbered items; double-clicks pick the items of the old code, 住所１,
// 住所２ and 住所３ straight into that window's position fields. What it
// shows and picks comes from batch/record_view.
#pragma once

#include <memory>
#include <string>

#include "batch/record_view.h"
#include "ui/kovari_window.h"

namespace Ui {
class RecordViewWindow;
}

namespace kovari::ui {

class BatchAddressToCodeWindow;

class RecordViewWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit RecordViewWindow(KovariApp& app);
  ~RecordViewWindow() override;

 private:
  // show_file and set_list1 for view_line.
  void show_line();
  // A double-click on the list.
  void pick();

  std::unique_ptr<Ui::RecordViewWindow> ui_;
  std::u16string text_;  // the input file
  long view_line_ = 1;
  batch::PickState pick_state_ = batch::PickState::kNone;
  batch::RecordBuffer rec_item_;
};

}  // namespace kovari::ui
