// What the reliability tests do to files: a disk that fills up (a file-size
// limit on this process), a call that must not wait on a FIFO, and the
// contents and names found in a folder, to tell what a run left behind.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <set>
#include <string>

#include "support/scratch_folder.h"

namespace kovari::testing {

// While it lives, no file of this process may grow past `bytes`: a write
// beyond fails with EFBIG, as on a full disk (the signal that would end the
// process instead is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    saved_handler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, saved_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t saved_handler_ = SIG_DFL;
};

// Runs `call`, which must not wait on the FIFO `fifo`; true when it returned
// within a few seconds. When it did not, a writer is opened on the FIFO so
// that the call comes back and the test can fail rather than hang.
inline bool returns_without_waiting(const std::filesystem::path& fifo,
                                    const std::function<void()>& call) {
  std::future<void> done = std::async(std::launch::async, call);
  if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
  std::ofstream release(fifo);
  done.wait();
  return false;
}

inline void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The names in a folder: what a failed write may not leave behind.
inline std::set<std::string> folder_entries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace kovari::testing
