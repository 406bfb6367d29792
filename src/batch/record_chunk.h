// Converting the records of a batch run side by side: the run reads records
// in order and hands them to a RecordChunk, a chunk at a time. Each converter
// (one per job) converts and encodes its share of every chunk (by
// RecordConverter::affinity) on a thread of its own, while the run reads the
// next chunks; the lines are written in input order as their chunk is done.
// The output is the one a single converter would write, record by record.
#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "batch/batch_output.h"
#include "batch/batch_run.h"
#include "batch/item_reader.h"

namespace kovari::batch {

// Takes the next `count` lines in input order; false stops the writing.
using LineWriter = std::function<bool(std::string_view lines, std::size_t count)>;

class RecordChunk {
 public:
  // `converters` (at least one) share the work; every record has `out_count`
  // items (RecordConverter::lay_out).
  RecordChunk(std::span<RecordConverter* const> converters, int out_count);
  ~RecordChunk();
  RecordChunk(const RecordChunk&) = delete;
  RecordChunk& operator=(const RecordChunk&) = delete;

  bool full() const { return filling().count == capacity_; }

  // Takes a copy of rec_item(1..out_count) as the next record.
  void add(const RecordBuffer& rec_item);

  // Hands the records held on to the jobs, which convert them while the run
  // reads on, and hands the lines of the chunks converted by then to `write`,
  // in input order (waiting for the oldest when too many are on their way).
  // Stops writing at a line that cannot be encoded or a write that returns
  // false; returns the 0-based position, in that line, of the character that
  // could not be encoded. Every chunk written adds its counts to `counts`.
  std::optional<std::size_t> pass_on(BatchOutcome& counts, const LineWriter& write);

  // The same, then waits for every record handed on and writes the rest:
  // nothing is held or on its way afterwards.
  std::optional<std::size_t> convert(BatchOutcome& counts, const LineWriter& write);

  // pass_on and convert to an output file: a line that cannot be encoded
  // puts `out` in error.
  void pass_on(BatchOutcome& counts, OutputFile& out);
  void convert_and_write(BatchOutcome& counts, OutputFile& out);

  // Puts into rec_item(from..out_count) what the last record written held
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
  // One converter's part of a chunk: its counts and the lines it encoded.
  struct Share {
    BatchOutcome counts;
    std::string bytes;
  };
  struct Chunk {
    std::size_t count = 0;
    std::vector<std::u16string> items;  // count records of out_count_ items
    std::vector<Record> records;        // the first count are the chunk's
    std::vector<Share> shares;          // one per converter
    std::vector<std::u16string> last;   // the last record after its conversion
    std::size_t jobs_done = 0;          // under mutex_
  };
  // Chunks on their way at most, the one being filled included.
  static constexpr std::size_t kDepth = 3;

  Chunk& filling() { return chunks_[handed_on_ % kDepth]; }
  const Chunk& filling() const { return chunks_[handed_on_ % kDepth]; }
  // The thread of one job: converts its share of every chunk handed on.
  void work(std::size_t job);
  // Converts and encodes the records of `job` in `chunk`, in order, up to one
  // that cannot be encoded.
  void convert_share(Chunk& chunk, std::size_t job, RecordBuffer& rec_item,
                     std::u16string& line) const;
  void hand_on();
  bool oldest_done();
  // Waits for the oldest chunk on its way and writes it (while `writing`).
  std::optional<std::size_t> write_oldest(BatchOutcome& counts, const LineWriter& write,
                                          bool& writing);
  // pass_on, or with `all` convert.
  std::optional<std::size_t> hand_on_and_write(BatchOutcome& counts, const LineWriter& write,
                                               bool all);

  std::span<RecordConverter* const> converters_;
  int out_count_;
  std::size_t capacity_;
  std::size_t added_ = 0;                  // records added since the run began
  std::size_t handed_on_ = 0;              // chunks handed on; written by the run's thread only
  std::size_t written_ = 0;                // chunks written
  std::vector<std::u16string> converted_;  // the last record written, items 1..out_count
  bool converted_any_ = false;
  std::array<Chunk, kDepth> chunks_;

  std::mutex mutex_;
  std::condition_variable work_ready_;  // a chunk handed on, or stopping_
  std::condition_variable chunk_done_;  // a job finished its share
  bool stopping_ = false;
  std::vector<std::jthread> workers_;  // last: joined before the rest goes
};

}  // namespace kovari::batch
