#include "address_corpus.h"

#include <fstream>
#include <sstream>

namespace kovari::resolve {
namespace {

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

}  // namespace

std::vector<CorpusRow> read_corpus(const std::string& file_name) {
  std::ifstream in(std::filesystem::path(KOVARI_SOURCE_DIR) / "tests/resolve" / file_name);
  std::string line;
  std::getline(in, line);
  const std::vector<std::string> columns = fields_of(line);
  std::vector<CorpusRow> rows;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> fields = fields_of(line);
    CorpusRow row;
    for (std::size_t k = 0; k < columns.size(); ++k) {
      row[columns[k]] = k < fields.size() ? fields[k] : std::string();
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace kovari::resolve
