#include "result_list/list_builders.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "code_search/code_search.h"
#include "code_search/records.h"
#include "text/vb.h"

namespace kovari::result_list {

namespace {

using code_search::DetailRecord;
using code_search::TownRecord;

// Pending window events run after every this many rows of the town-name list.
constexpr int kRowsPerEvents = 100;

// The rows of a list as they are collected, up to kMaxRows; a row offered
// beyond the limit is refused and marks the list as cut short.
class RowCollector {
 public:
  bool add(ResultRow row) {
    if (rows_.size() >= static_cast<std::size_t>(kMaxRows)) {
      over_limit_ = true;
      return false;
    }
    rows_.push_back(std::move(row));
    return true;
  }
  void mark_over_limit() { over_limit_ = true; }
  int size() const { return static_cast<int>(rows_.size()); }

  ResultList finish(ListMode mode, int count, const settings::Settings& settings) && {
    ResultList list;
    list.mode = mode;
    list.rows = std::move(rows_);
    lay_out_rows(list.rows, mode, settings);
    list.count = count;
    list.over_limit = over_limit_;
    return list;
  }

 private:
  std::vector<ResultRow> rows_;
  bool over_limit_ = false;
};

ResultRow town_row(const postaldb::PostalTables& tables, const TownRecord& record) {
  ResultRow row;
  row.code = record.code;
  row.address = code_search::base_address(tables, record.location).append(record.town_name());
  return row;
}

ResultRow detail_row(const postaldb::PostalTables& tables, const DetailRecord& record) {
  code_search::DetailAddress address = code_search::detail_address(tables, record);
  ResultRow row;
  row.kind = RowKind::Detail;
  row.code = record.code;
  row.index = kNoIndex;
  row.address = std::move(address.address);
  row.pobox = std::move(address.pobox);
  row.office = std::move(address.office);
  return row;
}

// Readers by 1-based position, as the record ranges give them.
std::optional<TownRecord> town_record_at(const postaldb::PostalDb& db, std::int64_t position) {
  return code_search::read_town_record(db.main_file, position - 1);
}
std::optional<DetailRecord> detail_record_at(const postaldb::PostalDb& db, std::int64_t position) {
  return code_search::read_detail_record(db.detail_file, position - 1);
}

// set_list3: the municipality's detail records, then the separator row.
void add_detail_rows(const postaldb::PostalDb& db, const MunicipalityRange& range,
                     RowCollector& rows) {
  int details = 0;
  std::int64_t position = range.detail_first;
  for (; position < range.detail_last && details < kMaxDetailRows; ++details) {
    const std::optional<DetailRecord> record = detail_record_at(db, position);
    if (!record) break;
    rows.add(detail_row(db.tables, *record));
    position += record->size;
  }
  if (details == kMaxDetailRows && position < range.detail_last) rows.mark_over_limit();
  ResultRow separator;
  separator.kind = RowKind::Separator;
  separator.index = kNoIndex;
  rows.add(std::move(separator));
}

}  // namespace

ResultList set_list1(const postaldb::PostalDb& db, std::span<const std::int32_t> res_pos,
                     const settings::Settings& settings) {
  RowCollector rows;
  for (const std::int32_t offset : res_pos) {
    const std::optional<TownRecord> record = code_search::read_town_record(db.main_file, offset);
    if (!record || record->kind() == code_search::kSkippedKind) continue;
    if (!rows.add(town_row(db.tables, *record))) break;
  }
  const int count = static_cast<int>(res_pos.size());
  if (count >= kMaxRows) rows.mark_over_limit();
  return std::move(rows).finish(ListMode::Prefix, count, settings);
}

ResultList set_list2(const postaldb::PostalDb& db, const MunicipalityRange& range,
                     const settings::Settings& settings) {
  RowCollector rows;
  if (range.detail_first < range.detail_last) add_detail_rows(db, range, rows);
  int below_row = 0;
  for (std::int64_t position = range.town_first; position < range.town_last;) {
    const std::optional<TownRecord> record = town_record_at(db, position);
    if (!record) break;
    position += record->size;
    if (record->kind() == code_search::kSkippedKind) continue;
    ResultRow row = town_row(db.tables, *record);
    // The catch-all town area has no initial: it stands apart from the runs.
    const bool catch_all = text::InStr(record->town_name(), u"以下に") != 0;
    if (!catch_all) row.index = text::Left(text::trim_view(record->name), 1);
    if (!rows.add(std::move(row))) break;
    if (catch_all) below_row = rows.size();
  }
  const int count = rows.size();
  ResultList list = std::move(rows).finish(ListMode::Municipality, count, settings);
  list.below_row = below_row;
  return list;
}

ResultList set_list4(const postaldb::PostalDb& db, std::span<const std::int32_t> office_hit,
                     bool office_over, const settings::Settings& settings) {
  RowCollector rows;
  for (const std::int32_t offset : office_hit) {
    const std::optional<DetailRecord> record =
        code_search::read_detail_record(db.detail_file, offset);
    if (record && !rows.add(detail_row(db.tables, *record))) break;
  }
  if (office_over) rows.mark_over_limit();
  return std::move(rows).finish(ListMode::Office, static_cast<int>(office_hit.size()), settings);
}

ResultList set_list5(const postaldb::PostalDb& db, std::span<const NameHit> hits,
                     const settings::Settings& settings, Host& host) {
  RowCollector rows;
  bool full = false;
  for (const NameHit& hit : hits) {
    // A hit lists the records up to the one at which its run ends, and at
    // least its first record.
    for (std::int64_t position = hit.first; !full;) {
      const std::optional<TownRecord> record = town_record_at(db, position);
      if (!record) break;
      position += record->size;
      if (record->kind() != code_search::kSkippedKind) {
        full = !rows.add(town_row(db.tables, *record));
        if (!full && rows.size() % kRowsPerEvents == 0) host.do_events();
      }
      if (position >= hit.last) break;
    }
    if (full) break;
  }
  if (static_cast<int>(hits.size()) >= kMaxNameHits) rows.mark_over_limit();
  const int count = rows.size();
  return std::move(rows).finish(ListMode::TownName, count, settings);
}

std::vector<ResultRow> code_results(std::u16string_view code,
                                    const code_search::CodeSearchState& state) {
  std::vector<ResultRow> rows;
  const int results = std::clamp(state.res_count[1], 0, code_search::kMaxResults);
  for (int n = 1; n <= results; ++n) {
    ResultRow& row = rows.emplace_back();
    row.code = code;
    row.address = state.res_address[1][n];
    row.pobox = state.res_pobox[1][n];
    row.office = state.res_office[1][n];
    // A detail record carries an office name or a post-office box; a town
    // area never does.
    if (!row.pobox.empty() || !row.office.empty()) row.kind = RowKind::Detail;
    row.text = row.office.empty() ? row.address : row.address + u"　　" + row.office;
  }
  return rows;
}

}  // namespace kovari::result_list
