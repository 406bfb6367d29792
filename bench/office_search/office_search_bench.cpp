// The office-name search: making the index from the detail file's name table
// and writing its file, reading the file back (what a later run does), and
// searches by prefix, whole name and part of the name with the index ready,
// each with its records sorted for the result list.
//
// usage: kovari-bench-office-search [DATA_DIR]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "code_search/bench_data.h"
#include "office_search/office_search.h"
#include "io/atomic_file.h"

namespace kovari {
namespace {

constexpr int kRounds = 5;

struct Clock {
  double cpu = bench::cpu_seconds(), wall = bench::wall_seconds();
  void print(const char* what, int times) const {
    std::printf("%s: cpu %.1f ms, wall %.1f ms (mean of %d)\n", what,
                1000 * (bench::cpu_seconds() - cpu) / times,
                1000 * (bench::wall_seconds() - wall) / times, times);
  }
};

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  SilentHost host(true);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kovari-bench-ooguchi_index.csv";

  std::optional<office_search::OfficeIndex> index;
  Clock build;
  for (int k = 0; k < kRounds; ++k) {
    index = office_search::read_name_table(session.db, host);
    std::string error;
    if (!index || !io::write_file_atomically(
                      path, office_search::index_file_content(*index).value(), error)) {
      std::fprintf(stderr, "cannot make the index: %s\n", error.c_str());
      return 1;
    }
  }
  build.print("index made from the name table and written", kRounds);
  std::printf("names %zu, index file %ju bytes\n", index->names.size(),
              static_cast<std::uintmax_t>(std::filesystem::file_size(path)));

  Clock read;
  for (int k = 0; k < kRounds; ++k) index = office_search::read_index_file(path, session.db);
  read.print("index file read", kRounds);

  office_search::OfficeIndexStore store{path, index};
  const struct {
    const char* name;
    office_search::MatchMode mode;
  } modes[] = {{"prefix", office_search::MatchMode::kPrefix},
               {"exact", office_search::MatchMode::kExact},
               {"partial", office_search::MatchMode::kPartial}};
  const std::u16string keys[] = {u"日本", u"東京中央郵便局", u"銀行",   u"トヨタ",
                                 u"ア",   u"株式会社　日立", u"市役所", u"ＮＴＴ"};
  for (const auto& mode : modes) {
    double slowest = 0;
    long offices = 0;
    const Clock all;
    for (const std::u16string& key : keys) {
      const double start = bench::wall_seconds();
      offices += static_cast<long>(
          office_search::kensaku_syori(store, session.db, host, key, mode.mode).office_hit.size());
      slowest = std::max(slowest, bench::wall_seconds() - start);
    }
    std::printf("%s: %ld offices for %zu names, slowest %.2f ms; ", mode.name, offices,
                std::size(keys), 1000 * slowest);
    all.print("per search", static_cast<int>(std::size(keys)));
  }
  std::filesystem::remove(path);
  return 0;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
