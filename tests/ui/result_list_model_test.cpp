// The search-result list's model over the engine's rows.
#include "ui/result_list_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace kovari::ui {
namespace {

using result_list::ResultRow;
using result_list::RowKind;

// A municipality's list as the engine lays it out: an office, the separator,
// two town areas of one initial.
std::vector<ResultRow> municipality_rows(bool hyphen) {
  ResultRow office;
  office.kind = RowKind::Detail;
  office.code = u"1008798";
  office.index = result_list::kNoIndex;
  office.address = u"東京都千代田区千代田１－１";
  office.office = u"宮内庁";
  ResultRow separator;
  separator.kind = RowKind::Separator;
  separator.index = result_list::kNoIndex;
  ResultRow town;
  town.code = u"1000001";
  town.index = u"チ";
  town.address = u"東京都千代田区千代田";
  ResultRow next = town;
  next.code = u"1000002";
  next.address = u"東京都千代田区千代田二";
  std::vector<ResultRow> rows = {office, separator, town, next};
  settings::Settings settings;
  settings.set_flag(settings::Flag::kHyphen, hyphen ? 1 : 0);
  result_list::lay_out_rows(rows, result_list::ListMode::Municipality, settings);
  return rows;
}

QString shown(const ResultListModel& model, int row, int column) {
  return model.data(model.index(row, column)).toString();
}

TEST(ResultListModelTest, ShowsTheCodeTheHeadingAndTheAddressOrOffice) {
  ResultListModel model;
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  model.set_rows(municipality_rows(false));
  EXPECT_EQ(reset.count(), 1);
  ASSERT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.columnCount(), 3);
  const struct {
    int row;
    QString code, header, text;
  } expected[] = {
      {0, QStringLiteral("1008798"), QString(), QStringLiteral("宮内庁")},
      {1, QString(), QString(), QString(60, QLatin1Char('-'))},
      {2, QStringLiteral("1000001"), QStringLiteral("【 チ】"),
       QStringLiteral("東京都千代田区千代田")},
      {3, QStringLiteral("1000002"), QString(), QStringLiteral("東京都千代田区千代田二")},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(shown(model, e.row, ResultListModel::kCodeColumn), e.code) << e.row;
    EXPECT_EQ(shown(model, e.row, ResultListModel::kHeaderColumn), e.header) << e.row;
    EXPECT_EQ(shown(model, e.row, ResultListModel::kTextColumn), e.text) << e.row;
  }
  EXPECT_FALSE(model.data(model.index(0, 0), Qt::EditRole).isValid());
  EXPECT_EQ(model.row(2).address, u"東京都千代田区千代田");
}

TEST(ResultListModelTest, ShowsTheCodesAsTheEngineWroteThem) {
  ResultListModel model;
  model.set_rows(municipality_rows(true));
  EXPECT_EQ(shown(model, 0, ResultListModel::kCodeColumn), QStringLiteral("100-8798"));
  EXPECT_EQ(shown(model, 1, ResultListModel::kCodeColumn), QString());

  // The lists without headings (here the office-name list): code and text.
  ResultRow office = model.row(0);
  std::vector<ResultRow> offices = {office};
  result_list::lay_out_rows(offices, result_list::ListMode::Office, settings::Settings{});
  model.set_rows(offices);
  EXPECT_EQ(shown(model, 0, ResultListModel::kCodeColumn), QStringLiteral("1008798"));
  EXPECT_EQ(shown(model, 0, ResultListModel::kHeaderColumn), QString());
  EXPECT_EQ(shown(model, 0, ResultListModel::kTextColumn), QStringLiteral("宮内庁"));

  model.set_rows({});
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace kovari::ui
