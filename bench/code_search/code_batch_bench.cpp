// Records per second of the batch code-to-address conversion: a 100,000-line
// Shift-JIS file (number, name, code; the codes taken in turn from the
// town-area index, every 50th one written "〒ddd-dddd", every 97th unknown)
// is converted with the message item, as kovari-cli batch-code does it.
//
// usage: kovari-bench-code-batch [DATA_DIR] [LINES]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "batch/code_to_address.h"
#include "bench_data.h"
#include "code_batch_input.h"
#include "text/sjis.h"

namespace kovari {
namespace {

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  const long lines = argc > 2 ? std::atol(argv[2]) : 100000;

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "kovari-bench-code-batch";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "in.csv", std::ios::binary) << bench::code_batch_input(session.db, lines);

  batch::CodeBatchFields fields;
  fields.in_file = text::from_utf8((dir / "in.csv").string());
  fields.out_file = text::from_utf8((dir / "out.csv").string());
  fields.item_count = u"3";
  fields.code_pos = u"3";
  fields.start_line = u"2";
  fields.write_message = true;
  SilentHost host;
  const double cpu_start = bench::cpu_seconds();
  const double wall_start = bench::wall_seconds();
  const batch::CodeBatchOutcome outcome = batch::run_code_batch(fields, session, host);
  const double cpu = bench::cpu_seconds() - cpu_start;
  const double wall = bench::wall_seconds() - wall_start;
  if (outcome.result != batch::BatchResult::Finished) {
    std::fprintf(stderr, "the run did not finish: %s %s\n", text::to_utf8(outcome.message).c_str(),
                 outcome.error.c_str());
    return 1;
  }
  std::printf("records %ld, converted %ld, warnings %ld, output %ju bytes\n", outcome.target_count,
              outcome.converted_count, outcome.warning_count,
              static_cast<std::uintmax_t>(std::filesystem::file_size(dir / "out.csv")));
  std::printf("cpu %.3f s, wall %.3f s, %.0f records per second (cpu)\n", cpu, wall,
              static_cast<double>(outcome.target_count) / cpu);
  std::filesystem::remove_all(dir);
  return 0;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
