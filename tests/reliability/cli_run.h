// Running kovari-cli as a careless user or a hostile input would: with a
// time limit, its standard error kept apart, and the state of a folder taken
// before and after, to tell whether the run changed what was there.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>

#include "cli/run_program.h"
#include "support/file_tricks.h"

namespace kovari::testing {

struct CliRun {
  int status = -1;  // exit status; 124 when the time limit ended it
  std::string output, error;

  bool hung() const { return status == 124; }
  // Killed by a signal (the shell and timeout report 128 + its number).
  bool crashed() const { return status < 0 || status >= 128; }
};

// Runs `command` (a shell command line that starts with the program's
// arguments' runner, see run_cli) under a 30-second limit.
inline CliRun run_limited(const std::filesystem::path& scratch, const std::string& command) {
  const std::filesystem::path error = scratch / "stderr.txt";
  CliRun run;
  const CommandResult result =
      run_command("timeout -k 5 30 " + command + " 2>'" + error.string() + "'");
  run.status = result.status;
  run.output = result.output;
  run.error = file_bytes(error);
  std::filesystem::remove(error);
  return run;
}

// What a folder holds, file by file: its type, its permissions and, for a
// regular file, its bytes (a FIFO is never opened).
using FolderState = std::map<std::string, std::string>;

inline FolderState folder_state(const std::filesystem::path& folder) {
  FolderState state;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::filesystem::file_status status = entry.symlink_status();
    std::string& what = state[std::filesystem::relative(entry.path(), folder).string()];
    what = std::to_string(static_cast<int>(status.type())) + "/" +
           std::to_string(static_cast<int>(status.permissions()));
    if (status.type() == std::filesystem::file_type::regular)
      what += "/" + file_bytes(entry.path());
  }
  return state;
}

}  // namespace kovari::testing
