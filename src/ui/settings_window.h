// The settings window ("動作環境の登録"): the option flags as option buttons
// and check boxes on the pages of a tab control, each taking effect at once
// in every window's next action; the file names the batch conversions start
// from, with browse buttons; the editor of the user's replacement pairs,
// whose changes the replacement table takes at once. When the detail file's
// option changed, closing the window ends the program (the start-up load
// reads by it), after saving the settings.
#pragma once

#include <memory>

#include "settings/pair_editor.h"
#include "settings/settings.h"
#include "ui/kovari_window.h"

class QLineEdit;

namespace Ui {
class SettingsWindow;
}

namespace kovari::ui {

class SettingsWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit SettingsWindow(KovariApp& app);
  ~SettingsWindow() override;

  void end_proc() override;

 private:
  void connect_flags();
  void connect_file_names();
  void connect_pairs();
  // Opens the file dialog for `field`.
  void browse(QLineEdit* field);
  void fill_pair_list();
  // The editor's buttons and texts enabled as the editor allows.
  void draw_pairs();
  // "追加" or "修正": the texts show the pair to edit and take the focus.
  void edit_pair();
  // A pair added, changed or deleted: the replacement table takes it at once.
  void pairs_changed();

  std::unique_ptr<Ui::SettingsWindow> ui_;
  // The flags as they were when the window opened.
  settings::Settings at_open_;
  settings::PairEditor pairs_;
};

}  // namespace kovari::ui
