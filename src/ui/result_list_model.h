// The search-result list as a table model over the rows the engine makes
// (result_list::ResultRow): one column for the code, one for the heading of a
// run of town areas, one for the address or the office name, each taken from
// the row's text as the engine laid it out (its columns separated by tabs).
// Every source of the list (the codes of a prefix, a municipality's town
// areas and offices, the town-name hits, the office-name hits) fills the
// same model.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "result_list/result_list.h"

namespace kovari::ui {

class ResultListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCodeColumn, kHeaderColumn, kTextColumn, kColumnCount };

  explicit ResultListModel(QObject* parent = nullptr);

  // Replaces the rows.
  void set_rows(std::vector<result_list::ResultRow> rows);
  const result_list::ResultRow& row(int n) const { return rows_.at(static_cast<std::size_t>(n)); }
  const std::vector<result_list::ResultRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<result_list::ResultRow> rows_;
  std::vector<QStringList> cells_;  // each row's text cut into the three columns
};

}  // namespace kovari::ui
