// Writes a zip file of one entry with a given date, as Japan Post's downloads
// are made, for the tests of the data update.
#pragma once

#include <zip.h>

#include <ctime>
#include <filesystem>
#include <string>

namespace kovari::mkdata::testing {

inline bool write_zip(const std::filesystem::path& path, const std::string& entry,
                      const std::string& bytes, int year, int month, int day) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) return false;
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  const zip_int64_t index =
      source == nullptr ? -1 : zip_file_add(archive, entry.c_str(), source, ZIP_FL_OVERWRITE);
  std::tm noon{};
  noon.tm_year = year - 1900;
  noon.tm_mon = month - 1;
  noon.tm_mday = day;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const bool dated = index >= 0 && zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index),
                                                      mktime(&noon), 0) == 0;
  if (!dated) {
    zip_discard(archive);
    return false;
  }
  return zip_close(archive) == 0;
}

}  // namespace kovari::mkdata::testing
