// What the program asks of a file before it reads or replaces one: whether
// two names lead to the same file, and whether the user made it read-only.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace kovari::io {

// A file's identity on its file system: its device and inode. Two names with
// the same identity (a hard link, a path through a symbolic link) are one file.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileId&) const = default;
};

FileId file_id_of(const struct stat& status);

// The identity of the file `path` names (links followed); std::nullopt when
// there is none.
std::optional<FileId> file_id(const std::filesystem::path& path);

// True when the two names lead to the same file: the same identity when both
// exist, else the same path once resolved (links followed, "." and ".."
// removed), so that a file about to be created is compared too.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether the file `path` names exists and the user keeps it from being
// written: none of its write permission bits is set, or this process may not
// write it. The mode counts even for root, whom the system lets write
// anything: a file marked read-only is the user's word.
bool is_read_only(const std::filesystem::path& path);

}  // namespace kovari::io
