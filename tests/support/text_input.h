// The records of a text in memory, read as a batch run reads an input file.
#pragma once

#include <string>
#include <string_view>

#include "batch/input_file.h"
#include "batch/item_reader.h"

namespace kovari::testing {

class TextInput : public batch::BatchInput {
 public:
  explicit TextInput(std::u16string_view text)
      : records_(batch::records_text(text)), item_total_(batch::count_items(records_)) {}

  batch::ItemReader records() override { return batch::ItemReader(records_); }
  long item_total() const override { return item_total_; }
  const std::string& error() const override { return error_; }

 private:
  std::u16string records_;
  long item_total_ = 0;
  std::string error_;
};

}  // namespace kovari::testing
