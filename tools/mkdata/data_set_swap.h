// Putting a newly built set of data files in place of the old one.
//
// The new files are written into a staging folder inside the target folder
// (so that both lie on one file system), then each is renamed over its old
// file. Each rename is atomic: a program that opens a file sees the old or
// the new one whole, never half a file. The four renames together are not:
// a failure between them is undone (the old files, kept as hard links in the
// staging folder, are renamed back), but a power cut in the few microseconds
// between two renames would leave files of two sets. Everything before the
// renames (reading, building, checking) never touches the old files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kovari::mkdata {

// The staging folder of this process inside `target`.
std::filesystem::path staging_folder(const std::filesystem::path& target);

// Removes the staging folders that updates killed midway left in `target`.
// Returns an error when another update is running there now.
std::string clear_stale_staging(const std::filesystem::path& target);

// Renames the files `names` from `staging` into `target`, flushed to disk
// first. On a failure the files already moved are put back as they were and
// the error is returned; on success the old files are discarded with the
// staging folder. Returns "" on success.
std::string swap_in_data_set(const std::filesystem::path& staging,
                             const std::filesystem::path& target,
                             const std::vector<std::string>& names);

}  // namespace kovari::mkdata
