// The rows of a search-result list, as the engine makes them and the result
// list shows them: the hits of a prefix search, the several results of one
// code, and later a municipality's town areas, town-name hits and offices.
#pragma once

#include <string>

namespace kovari::code_search {

enum class RowKind {
  kTownArea,   // a town area of the main file
  kDetail,     // a large-volume office or post-office box of the detail file
  kSeparator,  // the line between a municipality's detail rows and its town areas
};

struct ResultRow {
  RowKind kind = RowKind::kTownArea;
  std::u16string code;     // seven digits, unformatted; empty for the separator
  std::u16string header;   // the index initial heading a run of town areas, or empty
  std::u16string address;  // prefecture & city & town area (and street of a detail record)
  std::u16string pobox;    // post-office box of a detail record
  std::u16string office;   // office name of a detail record

  // What the list shows after the code: the office name of a detail record,
  // else the address.
  const std::u16string& text() const { return kind == RowKind::kDetail ? office : address; }
};

}  // namespace kovari::code_search
