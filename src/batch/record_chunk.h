// Converting the records of a batch run side by side: the run reads records
// in order and hands them to a RecordChunk; once the chunk is full each
// converter (one per job) converts and encodes its share of the records (by
// RecordConverter::affinity) on a thread of its own, and the chunk writes the
// lines in input order. The output is the one a single converter would
// write, record by record.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_output.h"
#include "batch/batch_run.h"
#include "batch/item_reader.h"

namespace kovari::batch {

class RecordChunk {
 public:
  // `converters` (at least one) share the work; every record has `out_count`
  // items (RecordConverter::lay_out).
  RecordChunk(std::span<RecordConverter* const> converters, int out_count);

  bool empty() const { return count_ == 0; }
  bool full() const { return count_ == capacity_; }

  // Takes a copy of rec_item(1..out_count) as the next record.
  void add(const RecordBuffer& rec_item);

  // Converts the records held, adds their counts to `counts` and writes their
  // lines to `out` (up to a line that cannot be encoded, which puts `out` in
  // error). The chunk is empty afterwards.
  void convert_and_write(BatchOutcome& counts, OutputFile& out);

  // The same for any writer: converts the records held, adds their counts to
  // `counts` and hands their lines (RecordConverter::append_line) in input
  // order to `write`, up to a line that cannot be encoded or a write that
  // returns false. Returns the 0-based position, in that line, of the
  // character that could not be encoded. The chunk is empty afterwards.
  std::optional<std::size_t> convert(BatchOutcome& counts,
                                     const std::function<bool(std::string_view)>& write);

  // Puts into rec_item(from..out_count) what the last record converted held
  // after its conversion: where a record read after it keeps items of the
  // record before (a short line), those are the converted ones. Nothing
  // before the first conversion.
  void restore_converted(int from, RecordBuffer& rec_item) const;

 private:
  // Where a record went: its job, and the end of its line in that job's
  // bytes (or, when it could not be encoded, the position of the character).
  struct Record {
    std::size_t job = 0;
    std::size_t end = 0;
    bool unencodable = false;
  };
  // One converter's part of a chunk: its record buffer, its counts and the
  // lines it encoded.
  struct Share {
    RecordBuffer rec_item;
    BatchOutcome counts;
    std::u16string line;
    std::string bytes;
  };

  // Converts and encodes the records of `job`, in order, up to one that
  // cannot be encoded.
  void convert_share(std::size_t job);

  std::span<RecordConverter* const> converters_;
  int out_count_;
  std::size_t capacity_;
  std::size_t count_ = 0;
  std::size_t added_ = 0;                  // records added since the run began
  std::vector<std::u16string> items_;      // count_ records of out_count_ items
  std::vector<std::u16string> converted_;  // the last record converted, items 1..out_count
  bool converted_any_ = false;
  std::vector<Record> records_;  // the first count_ are the chunk's
  std::vector<Share> shares_;    // one per converter
};

}  // namespace kovari::batch
