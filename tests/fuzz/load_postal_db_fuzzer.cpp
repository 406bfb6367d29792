// libFuzzer target: the start-up load over a mutated set of data files and a
// mutated settings file (input layout in file_set.h). The load must either
// refuse the files with a message that names one of them, or succeed with
// tables the searches can index without leaving them; anything else aborts.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "file_set.h"
#include "postaldb/startup.h"
#include "settings/ini_file.h"

namespace kovari::fuzz {
namespace {

// Large enough for every table of the seeds to grow, small enough to stay fast.
constexpr std::size_t kMaxFileSize = 1 << 20;

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken invariant after a successful load: %s\n", what);
  std::abort();
}

std::size_t rows(std::int32_t count) { return static_cast<std::size_t>(count) + 1; }

void check_tables(const postaldb::PostalDb& db) {
  const postaldb::Directory& dir = db.dir;
  const postaldb::PostalTables& t = db.tables;
  require(t.pref_name.size() == rows(dir.pref_count), "pref_name sized to pref_count");
  require(t.city_name1.size() == rows(dir.city_count), "city_name1 sized to city_count");
  require(t.city_pos2.size() == rows(dir.city_count), "city_pos2 sized to city_count");
  require(t.bill_code.size() == rows(dir.bill_count), "bill_code sized to bill_count");
  require(t.ward_pair1.size() == rows(dir.ward_pair_count), "ward pairs sized to their count");
  require(t.chr_count < static_cast<int>(t.chr_from.size()), "chr_count inside chr_from");
  require(t.word_count2 == 0 || t.word_count2 < static_cast<int>(t.word.size()),
          "word_count2 inside word");
  for (const auto& group : t.city_group) {
    require(group[1] <= dir.city_count && group[2] <= dir.city_count, "city groups inside");
  }
  for (std::int32_t position : t.city_pos1) {
    require(position >= 0 && position <= dir.town_end1, "town-area positions inside");
  }
  require(dir.town_end1 >= 0 && dir.town_end1 <= db.main_file.length(), "town_end1 inside");
}

std::filesystem::path scratch_folder() {
  const std::filesystem::path shm = "/dev/shm";
  const std::filesystem::path base =
      std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
  std::filesystem::path dir = base / ("kovari_fuzz_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace
}  // namespace kovari::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kovari;
  static const std::filesystem::path dir = fuzz::scratch_folder();
  const auto files = fuzz::decode_file_set(
      std::string_view(reinterpret_cast<const char*>(data), size), fuzz::kMaxFileSize);
  for (std::size_t k = 0; k < files.size(); ++k) {
    const std::filesystem::path path = dir / fuzz::kFileNames[k];
    std::filesystem::remove(path);
    if (!files[k].empty()) std::ofstream(path, std::ios::binary) << files[k];
  }

  postaldb::PostalDb db;
  settings::Settings settings;
  SilentHost host;
  const postaldb::LoadStatus status = postaldb::load_postal_db(dir, db, settings, host);
  if (status.ok()) {
    fuzz::check_tables(db);
  } else {
    fuzz::require(status.error.find("tbl.dat") != std::string::npos, "the error names a file");
  }
  settings::ini_file_bytes(settings);
  return 0;
}
