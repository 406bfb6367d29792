// Exact lookups per second: every distinct code of the town-area index and of
// the detail index is looked up once, as the clipboard converter does it
// (detail file first, the result buffers kept from one code to the next), and
// must give an address. The codes are looked up in passes until SECONDS of
// CPU time (default 1) have gone by, so that the rate is steady. The first
// look-up, which makes the directory of codes, is timed apart.
//
// usage: kovari-bench-code-lookup [DATA_DIR [SECONDS]]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_data.h"
#include "code_search/code_index.h"
#include "session/convert_code.h"

namespace kovari {
namespace {

std::vector<std::u16string> distinct_codes(const code_search::CodeIndex& index) {
  std::vector<std::u16string> codes;
  for (std::int32_t r = 1; r <= index.count(); ++r) {
    std::u16string code = index.code(r);
    if (codes.empty() || codes.back() != code) codes.push_back(std::move(code));
  }
  return codes;
}

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  session.settings.set_flag(settings::Flag::kDetailFile, 1);
  const postaldb::PostalDb& db = session.db;
  std::vector<std::u16string> codes = distinct_codes(code_search::CodeIndex::main_index(db));
  const std::vector<std::u16string> detail =
      distinct_codes(code_search::CodeIndex::detail_index(db));
  codes.insert(codes.end(), detail.begin(), detail.end());

  SilentHost host;
  CodeBuffers buffers;
  // The first look-up makes the directory of codes: timed on its own.
  const double first_start = bench::cpu_seconds();
  convert_code(session, host, codes.front(), CallerMode::kClipboard, buffers);
  const double first = bench::cpu_seconds() - first_start;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 1.0;
  long without_address = 0;
  long passes = 0;
  const double cpu_start = bench::cpu_seconds();
  const double wall_start = bench::wall_seconds();
  double cpu = 0;
  do {
    for (const std::u16string& code : codes) {
      if (convert_code(session, host, code, CallerMode::kClipboard, buffers).address.empty()) {
        ++without_address;
      }
    }
    ++passes;
    cpu = bench::cpu_seconds() - cpu_start;
  } while (cpu < seconds);
  const double wall = bench::wall_seconds() - wall_start;
  std::printf("codes %zu (town areas %zu, detail %zu), without address %ld, passes %ld\n",
              codes.size(), codes.size() - detail.size(), detail.size(), without_address, passes);
  std::printf("first look-up %.2f ms (cpu)\n", first * 1000);
  std::printf("cpu %.3f s, wall %.3f s, %.0f lookups per second (cpu)\n", cpu, wall,
              static_cast<double>(codes.size()) * static_cast<double>(passes) / cpu);
  return without_address == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
