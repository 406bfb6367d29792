#include "office_search/office_index.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

#include "paths/version.h"
#include "postaldb/directory.h"
#include "text/sjis.h"

namespace kovari::office_search {

namespace {

constexpr std::u16string_view kBuildCaption = u"ソラト郵便番号　大口事業所名検索用テーブル作成中!!";
// The progress display and window events are updated every this many names.
constexpr int kProgressStep = 1000;

std::u16string in_quotes(std::u16string_view field) {
  std::u16string text = u"\"";
  text += field;
  text += u'"';
  return text;
}

std::u16string header_line(std::u16string_view stamp) {
  return in_quotes(text::from_utf8(paths::kProgramVersion)) + u"," + in_quotes(kIndexNotice) +
         u"," + in_quotes(stamp);
}

std::u16string number_text(std::int64_t value) { return text::from_utf8(std::to_string(value)); }

// One name line: "name",n. False when the line has another form.
bool parse_name_line(std::u16string_view line, OfficeName& out) {
  const std::size_t close = line.rfind(u"\",");
  if (line.size() < 4 || line.front() != u'"' || close == std::u16string_view::npos || close == 0) {
    return false;
  }
  std::string digits;
  for (char16_t c : line.substr(close + 2)) {
    if (c < u'0' || c > u'9') return false;
    digits += static_cast<char>(c);
  }
  int n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      n > INT16_MAX) {
    return false;
  }
  out.name = std::u16string(line.substr(1, close - 1));
  out.n = n;
  return true;
}

}  // namespace

std::u16string data_stamp(const postaldb::PostalDb& db) {
  return db.dir.data_date + u" " + number_text(db.dir.office_count) + u" " +
         number_text(db.detail_file.length());
}

std::optional<OfficeIndex> read_name_table(const postaldb::PostalDb& db, Host& host) {
  const std::int32_t count = db.dir.office_count;
  if (db.dir.blk2[6] == 0 && count > 0) return std::nullopt;
  host.progress_caption(kBuildCaption);
  host.progress_range(0, count);
  OfficeIndex index;
  index.stamp = data_stamp(db);
  index.names.reserve(static_cast<std::size_t>(std::max(count, 0)));
  postaldb::Cursor cursor = db.detail_file.at(postaldb::block_position(db.dir.blk2[6]));
  std::int64_t entry = 0;
  for (std::int32_t k = 1; k <= count; ++k) {
    OfficeName& name = index.names.emplace_back();
    name.name = cursor.read_variant_string();
    name.n = cursor.read_integer();
    name.first_entry = entry;
    if (cursor.failed() || name.n < 0) return std::nullopt;
    entry += name.n;
    if (k % kProgressStep == 0) {
      host.progress_value(k);
      host.do_events();
    }
  }
  return index;
}

std::optional<std::string> index_file_content(const OfficeIndex& index) {
  std::u16string content = header_line(index.stamp) + u"\r\n";
  for (const OfficeName& name : index.names) {
    content += in_quotes(name.name);
    content += u',';
    content += number_text(name.n);
    content += u"\r\n";
  }
  return text::encode_sjis(content);
}

std::optional<OfficeIndex> read_index_file(const std::filesystem::path& path,
                                           const postaldb::PostalDb& db) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  const std::optional<std::u16string> content = text::decode_sjis(bytes);
  if (!content) return std::nullopt;

  OfficeIndex index;
  index.stamp = data_stamp(db);
  const std::int32_t count = db.dir.office_count;
  index.names.reserve(static_cast<std::size_t>(std::max(count, 0)));
  const std::u16string_view text = *content;
  std::size_t at = 0;
  std::int64_t entry = 0;
  for (std::int64_t line_number = 0; line_number <= count; ++line_number) {
    const std::size_t end = text.find(u"\r\n", at);
    if (end == std::u16string_view::npos) return std::nullopt;
    const std::u16string_view line = text.substr(at, end - at);
    at = end + 2;
    if (line_number == 0) {
      if (line != header_line(index.stamp)) return std::nullopt;
      continue;
    }
    OfficeName& name = index.names.emplace_back();
    if (!parse_name_line(line, name)) return std::nullopt;
    name.first_entry = entry;
    entry += name.n;
  }
  if (at != text.size()) return std::nullopt;
  return index;
}

}  // namespace kovari::office_search
