// The fuzz input of the start-up load: the four data files and the settings
// file in one byte string, so that one mutation can touch any of them.
//
//   input := part ("KOVARI-FILE" part){0,4}
//   parts, in order: kovaritbl.dat, kovari2tbl.dat, kovari3tbl.dat,
//                    kovari4tbl.dat, kovaritbl.ini
//
// An empty or absent part is a missing file. Inside a part, a zero byte
// followed by a count byte n stands for n + 1 zero bytes: the data files are
// mostly zero padding between 1024-byte blocks, and this keeps the corpus small.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovari::fuzz {

inline constexpr std::string_view kPartSeparator = "KOVARI-FILE";
inline constexpr std::array<std::string_view, 5> kFileNames = {
    "kovaritbl.dat", "kovari2tbl.dat", "kovari3tbl.dat", "kovari4tbl.dat", "kovaritbl.ini"};

// The files' bytes, in the order of kFileNames; a part that would expand past
// max_file_size is cut there.
std::array<std::string, kFileNames.size()> decode_file_set(std::string_view input,
                                                           std::size_t max_file_size);

// The input that decodes to `files` (used to write the seed corpus).
std::string encode_file_set(const std::array<std::string, kFileNames.size()>& files);

}  // namespace kovari::fuzz
