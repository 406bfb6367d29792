#include "postaldb/data_date.h"

#include <cstdio>

#include "postaldb/directory.h"
#include "postaldb/startup.h"
#include "text/sjis.h"

namespace kovari::postaldb {

namespace {

bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool is_valid(const CalendarDate& date) {
  static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.year < 1900 || date.year > 9999 || date.month < 1 || date.month > 12) return false;
  const int days = kDaysInMonth[date.month - 1] + (date.month == 2 && is_leap_year(date.year));
  return date.day >= 1 && date.day <= days;
}

// The value of `count` ASCII digits at `text[at]`, or -1.
int digits_value(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::optional<CalendarDate> parse_calendar_date(std::string_view text) {
  if (text.size() != 10 || text[4] != text[7] || (text[4] != '/' && text[4] != '-')) {
    return std::nullopt;
  }
  const CalendarDate date{digits_value(text, 0, 4), digits_value(text, 5, 2),
                          digits_value(text, 8, 2)};
  if (!is_valid(date)) return std::nullopt;
  return date;
}

std::string data_date_field(const CalendarDate& date) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d", date.year, date.month, date.day);
  return std::string(kDataDateMark) + digits;
}

std::u16string decode_data_date(std::string_view field) {
  if (field.size() < kDataDateFieldSize || field.substr(0, kDataDateMark.size()) != kDataDateMark) {
    return std::u16string(kUnknownDataDate);
  }
  const std::size_t at = kDataDateMark.size();
  const CalendarDate date{digits_value(field, at, 4), digits_value(field, at + 4, 2),
                          digits_value(field, at + 6, 2)};
  if (!is_valid(date)) return std::u16string(kUnknownDataDate);
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
  return text::from_utf8(text);
}

std::u16string read_data_date(const std::filesystem::path& folder) {
  DataFile main_file;
  Directory dir;
  if (!main_file.open(folder / kMainFileName) || !get_control(main_file, dir).ok()) {
    return std::u16string(kUnknownDataDate);
  }
  return dir.data_date;
}

}  // namespace kovari::postaldb
