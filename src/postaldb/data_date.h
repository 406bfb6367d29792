// The date of the postal data a set of files was built from ("2025/09/30"),
// recorded by the builder in the directory block of "kovaritbl.dat" just past
// the values the loader reads: the mark "date" and eight ASCII digits
// YYYYMMDD. Files without it (built before the date was recorded, or from
// CSV files of unknown date) give "不明".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kovari::postaldb {

inline constexpr std::string_view kDataDateMark = "date";
// Mark and digits: what the builder appends after the main directory's values.
inline constexpr std::size_t kDataDateFieldSize = kDataDateMark.size() + 8;
inline constexpr std::u16string_view kUnknownDataDate = u"不明";

struct CalendarDate {
  int year = 0, month = 0, day = 0;
};

// "YYYY/MM/DD" (or "YYYY-MM-DD") when it names a day of the Gregorian
// calendar between the years 1900 and 9999; std::nullopt otherwise.
std::optional<CalendarDate> parse_calendar_date(std::string_view text);

// The bytes the builder writes: the mark and YYYYMMDD.
std::string data_date_field(const CalendarDate& date);

// "YYYY/MM/DD" from the bytes read after the directory values, or "不明" when
// they hold no mark or no valid date.
std::u16string decode_data_date(std::string_view field);

// The data date of the files in `folder`, read from the main file's directory
// alone (no table is loaded); "不明" when the file is missing or lacks it.
std::u16string read_data_date(const std::filesystem::path& folder);

}  // namespace kovari::postaldb
