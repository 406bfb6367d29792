// The office-name search: part of the name of a large-volume business office
// typed in and a match mode chosen, the detail records of every office whose
// name matches are listed by the search-result list. The index of the names
// is made on the first search (after the user agrees), with its progress in
// the preparing window. What it decides comes from office_search.
#pragma once

#include <memory>

#include "office_search/office_search.h"
#include "ui/kovari_window.h"

namespace Ui {
class OfficeNameSearchWindow;
}

namespace kovari::ui {

class OfficeNameSearchWindow : public KovariWindow {
  Q_OBJECT

 public:
  static constexpr ConversionWindow kConversion = ConversionWindow::kOfficeSearch;

  explicit OfficeNameSearchWindow(KovariApp& app);
  ~OfficeNameSearchWindow() override;

 private:
  office_search::MatchMode mode() const;
  // "検索".
  void search();

  std::unique_ptr<Ui::OfficeNameSearchWindow> ui_;
  office_search::OfficeIndexStore index_;
};

}  // namespace kovari::ui
