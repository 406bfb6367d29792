// The answer of every kovari-cli command to --help and -h: its usage, its
// options and its output columns, printed on standard output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovari::cli {

// Whether the words after the command name ask for its help.
bool asks_for_help(const std::vector<std::string>& words);

// The help text of `command` (one of the names of kovari-cli's command table).
std::string command_help(std::string_view command);

}  // namespace kovari::cli
