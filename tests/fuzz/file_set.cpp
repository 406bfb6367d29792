#include "file_set.h"

#include <algorithm>

namespace kovari::fuzz {

namespace {

std::string expand_zero_runs(std::string_view part, std::size_t max_size) {
  std::string bytes;
  for (std::size_t i = 0; i < part.size() && bytes.size() < max_size; ++i) {
    if (part[i] != '\0') {
      bytes.push_back(part[i]);
      continue;
    }
    const std::size_t run = i + 1 < part.size() ? static_cast<unsigned char>(part[++i]) + 1 : 1;
    bytes.append(std::min(run, max_size - bytes.size()), '\0');
  }
  return bytes;
}

std::string compress_zero_runs(std::string_view bytes) {
  std::string part;
  for (std::size_t i = 0; i < bytes.size();) {
    if (bytes[i] != '\0') {
      part.push_back(bytes[i++]);
      continue;
    }
    std::size_t run = 0;
    while (i < bytes.size() && bytes[i] == '\0' && run < 256) ++i, ++run;
    part.push_back('\0');
    part.push_back(static_cast<char>(run - 1));
  }
  return part;
}

}  // namespace

std::array<std::string, kFileNames.size()> decode_file_set(std::string_view input,
                                                           std::size_t max_file_size) {
  std::array<std::string, kFileNames.size()> files;
  for (std::string& file : files) {
    const std::size_t end = input.find(kPartSeparator);
    file = expand_zero_runs(input.substr(0, end), max_file_size);
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + kPartSeparator.size());
  }
  return files;
}

std::string encode_file_set(const std::array<std::string, kFileNames.size()>& files) {
  std::string input;
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (k > 0) input += kPartSeparator;
    input += compress_zero_runs(files[k]);
  }
  return input;
}

}  // namespace kovari::fuzz
