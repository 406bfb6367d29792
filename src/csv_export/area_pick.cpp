#include "csv_export/area_pick.h"

#include <algorithm>

#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::csv_export {

namespace {

PickList make_list(PickLevel level, std::u16string_view name) {
  PickList list;
  list.level = level;
  list.prompt = std::u16string(name) + u"を選択して下さい。選択はダブルクリックで行います。";
  list.caption = name;
  return list;
}

void add(PickList& list, std::u16string_view name, int row) {
  list.items.push_back(text::Trim(name));
  list.rows.push_back(row);
}

void count_in_caption(PickList& list) {
  const double count = static_cast<double>(list.items.size());
  list.caption += u"（" + text::to_full_width_digits(text::Format(count, u"###")) + u"件）";
}

}  // namespace

RowSpan prefecture_rows(const postaldb::PostalDb& db, int pref) {
  const postaldb::Directory& dir = db.dir;
  const postaldb::PostalTables& t = db.tables;
  if (pref < 1 || pref > dir.pref_count) return {};
  const int last = std::min<int>(dir.city_count, static_cast<int>(t.city_name1.size()) - 1);
  const int first = std::max(1, t.pref_first_city[pref]);
  const int end = pref < dir.pref_count ? t.pref_first_city[pref + 1] : last + 1;
  return {first, std::clamp(end, first, last + 1)};
}

PickList set_combo1(const postaldb::PostalDb& db) {
  PickList list = make_list(PickLevel::kPrefecture, u"都道府県名");
  for (int p = 1; p <= db.dir.pref_count; ++p) add(list, db.tables.pref_name[p], p);
  count_in_caption(list);
  return list;
}

PickList set_combo2(const postaldb::PostalDb& db, int pref) {
  PickList list = make_list(PickLevel::kCity, u"区市郡島名");
  const RowSpan rows = prefecture_rows(db, pref);
  for (int r = rows.first; r < rows.end; ++r) {
    const std::u16string_view name = text::trim_view(db.tables.city_name1[r]);
    if (list.items.empty() || list.items.back() != name) add(list, name, r);
  }
  count_in_caption(list);
  return list;
}

PickList set_combo3(const postaldb::PostalDb& db, int pref, int city) {
  PickList list = make_list(PickLevel::kTown, u"区町村名");
  const RowSpan rows = prefecture_rows(db, pref);
  if (city >= rows.first && city < rows.end) {
    const std::u16string_view name1 = text::trim_view(db.tables.city_name1[city]);
    for (int r = city; r < rows.end && text::trim_view(db.tables.city_name1[r]) == name1; ++r) {
      add(list, db.tables.city_name2[r], r);
    }
  }
  count_in_caption(list);
  return list;
}

AreaPick::AreaPick(const postaldb::PostalDb& db) : db_(db) { show(PickLevel::kPrefecture); }

void AreaPick::restart(PickLevel level) {
  if (level == PickLevel::kTown && city_text.empty()) level = PickLevel::kCity;
  if (level == PickLevel::kCity && pref_text.empty()) level = PickLevel::kPrefecture;
  switch (level) {
    case PickLevel::kPrefecture:
      pref_text.clear();
      found_pref = 0;
      [[fallthrough]];
    case PickLevel::kCity:
      city_text.clear();
      found_city = 0;
      [[fallthrough]];
    case PickLevel::kTown:
      town_text.clear();
      found_town = 0;
  }
  show(level);
}

bool AreaPick::choose(std::optional<int> item) {
  if (!item || *item < 0 || *item >= static_cast<int>(list_.items.size())) return false;
  const std::u16string& name = list_.items[static_cast<std::size_t>(*item)];
  const int row = list_.rows[static_cast<std::size_t>(*item)];
  switch (list_.level) {
    case PickLevel::kPrefecture:
      found_pref = row;
      pref_text = name;
      show(PickLevel::kCity);
      break;
    case PickLevel::kCity:
      found_city = row;
      city_text = name;
      show(PickLevel::kTown);
      break;
    case PickLevel::kTown:
      found_town = row;
      town_text = name;
      break;
  }
  return true;
}

void AreaPick::show(PickLevel level) {
  switch (level) {
    case PickLevel::kPrefecture:
      list_ = set_combo1(db_);
      break;
    case PickLevel::kCity:
      list_ = set_combo2(db_, found_pref);
      break;
    case PickLevel::kTown:
      list_ = set_combo3(db_, found_pref, found_city);
      break;
  }
}

}  // namespace kovari::csv_export
