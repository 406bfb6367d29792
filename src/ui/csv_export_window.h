// The CSV export: an area picked from three lists (prefecture, city,
// ward/town), a file name entered, and the town-area records and/or the
// individual codes of offices and post-office boxes of that area written to
// the file as Shift-JIS CSV. What it decides comes from csv_export.
#pragma once

#include <filesystem>
#include <memory>

#include "csv_export/area_pick.h"
#include "ui/kovari_window.h"

namespace Ui {
class CsvExportWindow;
}

namespace kovari::ui {

class CsvExportWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit CsvExportWindow(KovariApp& app);
  ~CsvExportWindow() override;

 private:
  // Where a file name typed without a folder is written: where the program
  // keeps its own files (beside a portable copy, else the user's data folder).
  std::filesystem::path output_folder();
  // Shows the picks, the list of the level picked next and its prompt.
  void draw_pick();
  void restart(csv_export::PickLevel level);
  void choose();
  // "参照": a file chosen in the file dialog.
  void browse();
  // "変換".
  void convert();

  std::unique_ptr<Ui::CsvExportWindow> ui_;
  csv_export::AreaPick pick_;
};

}  // namespace kovari::ui
