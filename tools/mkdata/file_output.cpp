#include <fstream>
#include <system_error>

#include "data_files.h"

namespace kovari::mkdata {

void append_directory(ByteBuffer& file, const ByteBuffer& directory, Report& report,
                      const std::string& name) {
  if (!directory.valid()) report.fatal(name + ": directory: " + directory.error());
  if (directory.size() > kBlockSize) report.fatal(name + ": directory longer than one block");
  file.raw(directory.bytes());
  file.align_to_block();
}

namespace {

bool write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

bool write_data_files(const std::vector<DataFile>& files, const std::filesystem::path& dir,
                      Report& report) {
  for (const DataFile& file : files) {
    if (!file.bytes.valid()) report.fatal(file.name + ": " + file.bytes.error());
  }
  if (report.has_fatal()) return false;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const DataFile& file : files) {
    if (!write_bytes(dir / (file.name + ".tmp"), file.bytes.bytes())) {
      report.fatal("cannot write " + (dir / (file.name + ".tmp")).string());
      return false;
    }
  }
  for (const DataFile& file : files) {
    std::filesystem::rename(dir / (file.name + ".tmp"), dir / file.name, error);
    if (error) {
      report.fatal("cannot rename into " + (dir / file.name).string() + ": " + error.message());
      return false;
    }
  }
  return true;
}

}  // namespace kovari::mkdata
