#include "io/file_status.h"

#include <unistd.h>

#include <system_error>

namespace kovari::io {

FileId file_id_of(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileId> file_id(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  return file_id_of(status);
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::optional<FileId> id_a = file_id(a);
  const std::optional<FileId> id_b = file_id(b);
  if (id_a && id_b) return *id_a == *id_b;
  std::error_code error;
  const std::filesystem::path resolved_a = std::filesystem::weakly_canonical(a, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  const std::filesystem::path resolved_b = std::filesystem::weakly_canonical(b, error);
  if (error) return a.lexically_normal() == b.lexically_normal();
  return resolved_a == resolved_b;
}

bool is_read_only(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return false;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace kovari::io
