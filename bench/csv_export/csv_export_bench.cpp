// The CSV export of a whole prefecture with its offices and post-office
// boxes: the records read, the lines made, the file written in Shift-JIS.
//
// usage: kovari-bench-csv-export [DATA_DIR] [PREFECTURE]   (default 東京都)
#include <cstdio>
#include <filesystem>
#include <string>

#include "code_search/bench_data.h"
#include "csv_export/csv_export.h"
#include "text/sjis.h"

namespace kovari {
namespace {

constexpr int kRounds = 5;

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  const std::u16string pref_name = argc > 2 ? text::from_utf8(argv[2]) : u"東京都";
  csv_export::ExportRequest request;
  request.area.pref = csv_export::find_prefecture(session.db, pref_name);
  request.path = std::filesystem::temp_directory_path() / "kovari-bench-export.csv";
  request.tables = {true, true};
  if (request.area.pref == 0) {
    std::fprintf(stderr, "no prefecture %s\n", text::to_utf8(pref_name).c_str());
    return 1;
  }
  SilentHost host(true);
  long count = 0;
  const double cpu = bench::cpu_seconds(), wall = bench::wall_seconds();
  for (int k = 0; k < kRounds; ++k) {
    count = csv_export::export_csv(session.db, session.settings, host, request).count;
  }
  std::printf("%s: %ld records, %ju bytes; cpu %.1f ms, wall %.1f ms per export (mean of %d)\n",
              text::to_utf8(pref_name).c_str(), count,
              static_cast<std::uintmax_t>(std::filesystem::file_size(request.path)),
              1000 * (bench::cpu_seconds() - cpu) / kRounds,
              1000 * (bench::wall_seconds() - wall) / kRounds, kRounds);
  std::filesystem::remove(request.path);
  return 0;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
