// The address-to-code window in its three modes: 簡易入力 picks the
// prefecture, the city and the ward/town from lists and shows the
// municipality's town areas in the result list; 一括入力 converts a typed
// address, offering the list of a level it cannot settle; 町域検索 searches
// the town-area names (offered only with "kovari4tbl.dat") and shows the
// hits in the result list. A code found can be copied to the clipboard with
// its address. What it shows comes from address_entry.
#pragma once

#include <memory>
#include <optional>

#include "address_entry/address_entry.h"
#include "csv_export/area_pick.h"
#include "ui/kovari_window.h"

namespace Ui {
class AddressToCodeWindow;
}

namespace kovari::ui {

class AddressToCodeWindow : public KovariWindow {
  Q_OBJECT

 public:
  static constexpr ConversionWindow kConversion = ConversionWindow::kAddressToCode;

  explicit AddressToCodeWindow(KovariApp& app);
  ~AddressToCodeWindow() override;

  // Back to the first pick (the result list's "終了" of a municipality list).
  void restart_pick();

 private:
  // A mode's option button chosen: the entry emptied, the mode's controls.
  void set_mode(address_entry::InputMode mode);
  // The pick list of the current level with its caption and prompt, and the
  // picks so far.
  void show_pick();
  void pick(int item);
  void restart_at(csv_export::PickLevel level);
  // "変換"/"検索" or Enter in the entry field, as the mode does.
  void run_entry();
  void convert();
  void search_towns();
  void draw(const address_entry::AddressConversion& shown);
  void choose(int item);
  void copy();

  std::unique_ptr<Ui::AddressToCodeWindow> ui_;
  address_entry::InputMode mode_ = address_entry::InputMode::kAddress;
  csv_export::AreaPick pick_;
  // The pick list button's caption while there is no list.
  QString pick_caption_;
  // The last conversion: its list and the pieces a choice rewrites.
  address_entry::AddressConversion shown_;
};

}  // namespace kovari::ui
