// The search-result list: the codes and addresses a search found, narrowed
// by a text on request, the selected rows copied to the clipboard. Any search
// opens it with its list (result_list::ResultList, whose mode says which
// search made it); what the window shows comes from result_list.
#pragma once

#include <memory>
#include <vector>

#include "result_list/list_controls.h"
#include "result_list/result_list.h"
#include "ui/kovari_window.h"
#include "ui/result_list_model.h"

namespace Ui {
class SearchResultWindow;
}

namespace kovari::ui {

class SearchResultWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit SearchResultWindow(KovariApp& app);
  ~SearchResultWindow() override;

  // Shows the rows of `list` as its search made them, narrowing not begun.
  // A window already open takes the new list in place of the one it shows.
  void show_list(result_list::ResultList list);

 private:
  // Shows `rows` with the controls of the list in `state`.
  void draw(result_list::NarrowState state, std::vector<result_list::ResultRow> rows);
  void narrow_button();
  void narrow();
  void copy();

  std::unique_ptr<Ui::SearchResultWindow> ui_;
  result_list::ResultList list_;
  result_list::NarrowState state_ = result_list::NarrowState::Full;
  ResultListModel rows_;
};

}  // namespace kovari::ui
