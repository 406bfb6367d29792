// The corpora of real addresses with their expected answers, as tab-separated
// files under tests/resolve with a header line naming the columns.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kovari::resolve {

// One line: its fields by column name.
using CorpusRow = std::map<std::string, std::string>;

std::vector<CorpusRow> read_corpus(const std::string& file_name);

}  // namespace kovari::resolve
