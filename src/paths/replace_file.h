// Writing a whole file so that it is never left half written: the content
// goes to a temporary file beside the target, which then takes the target's
// name in one step. Until that step the old file (if any) stays as it was;
// after a failure nothing of the new content is left behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kovari::paths {

// Replaces (or creates) `path` with `content`. Returns an empty text on
// success, else what failed (UTF-8, naming the file).
std::string replace_file(const std::filesystem::path& path, std::string_view content);

}  // namespace kovari::paths
