#include <system_error>

#include "data_files.h"
#include "io/atomic_file.h"

namespace kovari::mkdata {

void append_directory(ByteBuffer& file, const ByteBuffer& directory, Report& report,
                      const std::string& name) {
  if (!directory.valid()) report.fatal(name + ": directory: " + directory.error());
  if (directory.size() > kBlockSize) report.fatal(name + ": directory longer than one block");
  file.raw(directory.bytes());
  file.align_to_block();
}

bool write_data_files(const std::vector<DataFile>& files, const std::filesystem::path& dir,
                      Report& report) {
  for (const DataFile& file : files) {
    if (!file.bytes.valid()) report.fatal(file.name + ": " + file.bytes.error());
  }
  if (report.has_fatal()) return false;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  // Every file is written in full before any replaces its old one; a failure
  // before that leaves the old files and no temporary one.
  std::vector<io::AtomicFile> outputs(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::filesystem::path path = dir / files[i].name;
    if (!outputs[i].open(path) || !outputs[i].write(files[i].bytes.bytes())) {
      report.fatal(path.string() + " " + outputs[i].error());
      return false;
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!outputs[i].commit()) {
      report.fatal((dir / files[i].name).string() + " " + outputs[i].error());
      return false;
    }
  }
  return true;
}

}  // namespace kovari::mkdata
