// Replacing a file whole or not at all: what every file the program writes
// goes through (batch outputs, the settings file, the CSV export, the office
// index, the builder's data files).
//
// The new content goes into a temporary file in the target's folder (one file
// system, so a rename can move it); commit() flushes it to disk and renames it
// over the target in one step. Until then the target is untouched, and a
// failed write, a failed commit or an AtomicFile dropped without commit()
// removes the temporary file. An earlier file keeps its place until the new
// one is complete, and its permission bits pass to the new one.
//
// A target that exists but is not a regular file (a device such as /dev/null,
// a FIFO that a reader waits on) cannot be replaced by a rename: it is written
// directly, and a FIFO that nobody reads is refused rather than waited on.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace kovari::io {

class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile() { discard(); }

  // Starts replacing `target` (a symbolic link is followed: the file it names
  // is replaced, the link stays). False, with error(), for a folder, for a
  // file the user made read-only (a rename would replace it whatever its
  // mode; io::is_read_only) and when no file can be created beside it.
  bool open(const std::filesystem::path& target);

  // Appends bytes; false once anything has failed (error() says what).
  bool write(std::string_view bytes);

  // Flushes the new content to disk and puts it in place of the target.
  // False, with error(), when anything failed: the target is then as it was
  // and the temporary file is gone.
  bool commit();

  // Drops what was written, leaving the target as it was.
  void discard();

  bool failed() const { return !error_.empty(); }
  // What failed, as the end of a sentence that begins with the file's name:
  // "cannot be written: No space left on device".
  const std::string& error() const { return error_; }

 private:
  bool open_direct();
  bool open_temporary(bool replaces, mode_t mode);
  void fail(std::string what);

  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty when writing into the target directly
  int fd_ = -1;
  std::string error_;
};

// Replaces `path` by `bytes` through an AtomicFile; false with `error` set
// (the file's name, then what failed) when it could not.
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string& error);

}  // namespace kovari::io
