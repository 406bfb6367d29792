#include "csv_export/export_rows.h"

#include <initializer_list>
#include <optional>

#include "code_search/records.h"
#include "text/format.h"
#include "text/vb.h"

namespace kovari::csv_export {

namespace {

constexpr int kPrefWidth = 5;
constexpr int kCityWidth = 7;
// Pending window events run after every this many town-area records.
constexpr long kRecordsPerEvents = 500;

void append_line(std::u16string& out, std::initializer_list<std::u16string_view> fields) {
  bool first = true;
  for (const std::u16string_view field : fields) {
    if (!first) out += u',';
    first = false;
    out += u'"';
    out += field;
    out += u'"';
  }
  out += u"\r\n";
}

// Left-aligned in `width` characters; a longer text stays whole.
std::u16string padded(std::u16string text, int width) {
  if (text::Len(text) < width) text.append(static_cast<std::size_t>(width - text::Len(text)), u' ');
  return text;
}

// The code, prefecture and city columns of a record.
struct Columns {
  std::u16string code, pref, city;
};

Columns columns(const postaldb::PostalTables& tables, std::u16string_view code,
                std::int32_t location, const settings::Settings& settings) {
  code_search::LocationNames names = code_search::location_names(tables, location);
  return {settings.flag(settings::Flag::kHyphen) != 0 ? text::Format(code, u"000-0000")
                                                      : std::u16string(code),
          padded(std::move(names.pref), kPrefWidth), padded(std::move(names.city), kCityWidth)};
}

// set_list3: the detail records of the range.
long write_details(const postaldb::PostalDb& db, const RecordRange& range,
                   const settings::Settings& settings, std::u16string& out) {
  long count = 0;
  for (std::int64_t position = range.detail_first; position < range.detail_last;) {
    const std::optional<code_search::DetailRecord> record =
        code_search::read_detail_record(db.detail_file, position - 1);
    if (!record) break;
    position += record->size;
    const Columns c = columns(db.tables, record->code, record->location, settings);
    const code_search::DetailTown town = code_search::detail_town(*record);
    append_line(out, {c.code, c.pref, c.city, town.town, town.pobox, record->office_name});
    ++count;
  }
  return count;
}

// The town-area records of the range, but those of kind 6, counted on from `count`.
long write_towns(const postaldb::PostalDb& db, const RecordRange& range, bool with_office_columns,
                 const settings::Settings& settings, Host& host, std::u16string& out, long count) {
  for (std::int64_t position = range.town_first; position < range.town_last;) {
    const std::optional<code_search::TownRecord> record =
        code_search::read_town_record(db.main_file, position - 1);
    if (!record) break;
    position += record->size;
    if (record->kind() == code_search::kSkippedKind) continue;
    const Columns c = columns(db.tables, record->code, record->location, settings);
    if (with_office_columns) {
      append_line(out, {c.code, c.pref, c.city, record->town_name(), u" ", u" "});
    } else {
      append_line(out, {c.code, c.pref, c.city, record->town_name()});
    }
    if (++count % kRecordsPerEvents == 0) host.do_events();
  }
  return count;
}

}  // namespace

ExportText export_lines(const postaldb::PostalDb& db, std::span<const RecordRange> ranges,
                        const ExportTables& tables, const settings::Settings& settings,
                        Host& host) {
  ExportText out;
  if (tables.offices) {
    append_line(out.text, {u"郵便番号", u"都道府県名", u"市区町村名", u"町域名", u"私書箱",
                           u"大口事業所名等"});
    for (const RecordRange& range : ranges)
      out.count += write_details(db, range, settings, out.text);
  } else {
    append_line(out.text, {u"郵便番号", u"都道府県名", u"市区町村名", u"町域名"});
  }
  if (tables.towns) {
    long towns = 0;
    for (const RecordRange& range : ranges) {
      towns = write_towns(db, range, tables.offices, settings, host, out.text, towns);
    }
    out.count += towns;
  }
  return out;
}

}  // namespace kovari::csv_export
