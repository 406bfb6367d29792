// Runs the kovari-cli program built with the tests on a postal-data fixture:
// the command-line tests define KOVARI_CLI_PROGRAM (the program's path) and
// have the fixture's data built (kovari_use_fixture).
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/data_folders.h"

namespace kovari::testing {

inline std::filesystem::path cli_program() { return KOVARI_CLI_PROGRAM; }

// Whether the program and the fixture's data files exist, so that a test can
// skip rather than fail in a build that has not made them.
inline bool cli_and_fixture_built(const std::string& fixture) {
  return std::filesystem::exists(cli_program()) &&
         std::filesystem::exists(fixture_folder(fixture) / "kovaritbl.dat");
}

struct CommandResult {
  std::string output;  // standard output
  int status = -1;     // exit status; -1 when the command did not exit normally
};

// Standard output and exit status of a shell command.
inline CommandResult run_command(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace kovari::testing
