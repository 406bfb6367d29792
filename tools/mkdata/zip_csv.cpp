#include "zip_csv.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <memory>

namespace kovari::mkdata {

namespace {

// Far above the official files (KEN_ALL.CSV is about 12 MB): a bigger entry
// is no postal data, and reading it whole could exhaust the memory.
constexpr zip_uint64_t kMaxEntrySize = 512u << 20;

bool same_name(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

// The entry's date: the archive stores local date and time fields, which
// libzip turns into a time_t through the local time zone; turning it back
// the same way gives the stored day.
std::optional<postaldb::CalendarDate> entry_date(const zip_stat_t& stat) {
  if ((stat.valid & ZIP_STAT_MTIME) == 0) return std::nullopt;
  std::tm fields{};
  if (localtime_r(&stat.mtime, &fields) == nullptr) return std::nullopt;
  char text[16];
  std::strftime(text, sizeof text, "%Y/%m/%d", &fields);
  return postaldb::parse_calendar_date(text);
}

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

}  // namespace

ZipCsv read_zip_csv(const std::filesystem::path& zip, std::string_view entry_name) {
  ZipCsv result;
  const std::string where = zip.string();
  int open_error = 0;
  std::unique_ptr<zip_t, ArchiveCloser> archive(
      zip_open(zip.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &open_error));
  if (!archive) {
    zip_error_t error;
    zip_error_init_with_code(&error, open_error);
    result.error = where + ": " + zip_error_strerror(&error);
    zip_error_fini(&error);
    return result;
  }
  const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
  zip_int64_t index = -1;
  for (zip_int64_t i = 0; i < entries && index < 0; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
    if (name != nullptr && same_name(name, entry_name)) index = i;
  }
  if (index < 0) {
    result.error = where + " holds no " + std::string(entry_name);
    return result;
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      (stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kMaxEntrySize) {
    result.error = where + ": " + std::string(entry_name) + " has no usable size";
    return result;
  }
  std::unique_ptr<zip_file_t, EntryCloser> entry(
      zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0));
  if (!entry) {
    result.error = where + ": " + zip_strerror(archive.get());
    return result;
  }
  std::string bytes(stat.size, '\0');
  // libzip checks the CRC when the last byte has been read: a damaged entry
  // fails here rather than yielding wrong data.
  const zip_int64_t read = zip_fread(entry.get(), bytes.data(), stat.size);
  char extra;
  if (read != static_cast<zip_int64_t>(stat.size) || zip_fread(entry.get(), &extra, 1) != 0) {
    result.error = where + ": " + std::string(entry_name) + ": " + zip_file_strerror(entry.get());
    return result;
  }
  result.bytes = std::move(bytes);
  result.entry_date = entry_date(stat);
  return result;
}

}  // namespace kovari::mkdata
