// What the code-search benchmarks share: loading the national data from
// the folder given (else beside the program) and the process's CPU time.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "session/session.h"

namespace kovari::bench {

// CPU time of this process: the machine is shared, so wall time says little.
inline double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double wall_seconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The data folder: the first argument, else the program's folder.
inline std::filesystem::path data_folder(int argc, char** argv) {
  if (argc > 1) return argv[1];
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

inline bool load(const std::filesystem::path& folder, Session& session) {
  SilentHost host;
  const postaldb::LoadStatus status = session.load(folder, host);
  if (!status.ok()) {
    std::fprintf(stderr, "cannot load the data in %s: %s\n", folder.c_str(), status.error.c_str());
    return false;
  }
  return true;
}

}  // namespace kovari::bench
