// kovari-bench-load [DATA_DIR] [RUNS]: runs the start-up load of the data in
// DATA_DIR (default: beside the program) RUNS times (default 50) and prints
// the wall and CPU time of one load: the fastest, the median and the slowest,
// in milliseconds, and the bytes of the four files. The files are in the page
// cache after the first run, as they are when the program starts again.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "postaldb/startup.h"

namespace {

double seconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void print(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%s_ms min %.2f median %.2f max %.2f\n", what, ms.front(), ms[ms.size() / 2],
              ms.back());
}

}  // namespace

int main(int argc, char** argv) {
  std::error_code error;
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1])
               : std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  std::vector<double> wall, cpu;
  for (int k = 0; k < runs; ++k) {
    kovari::postaldb::PostalDb db;
    kovari::settings::Settings settings;
    kovari::SilentHost host;
    const double wall_start = seconds(CLOCK_MONOTONIC);
    const double cpu_start = seconds(CLOCK_PROCESS_CPUTIME_ID);
    const kovari::postaldb::LoadStatus status =
        kovari::postaldb::load_postal_db(folder, db, settings, host, folder / "no-settings.ini");
    cpu.push_back((seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu_start) * 1000);
    wall.push_back((seconds(CLOCK_MONOTONIC) - wall_start) * 1000);
    if (!status.ok()) {
      std::fprintf(stderr, "cannot load the data in %s: %s\n", folder.c_str(),
                   status.error.c_str());
      return 1;
    }
    if (k == 0) {
      std::printf("bytes %lld\n",
                  static_cast<long long>(db.main_file.length() + db.detail_file.length() +
                                         db.third_file.length() + db.fourth_file.length()));
    }
  }
  std::printf("runs %d\n", runs);
  print("wall", wall);
  print("cpu", cpu);
  return 0;
}
