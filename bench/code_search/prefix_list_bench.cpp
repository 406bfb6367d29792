// Prefix lists per second: every prefix of 1 to 6 digits that occurs in the
// town-area index is searched and its result list (mode 1) built, as typing
// the prefix into the code-to-address window does it.
//
// usage: kovari-bench-prefix-list [DATA_DIR]
#include <cstdio>
#include <string>
#include <vector>

#include "bench_data.h"
#include "code_search/code_index.h"
#include "session/convert_code.h"

namespace kovari {
namespace {

std::vector<std::u16string> occurring_prefixes(const code_search::CodeIndex& index) {
  std::vector<std::u16string> prefixes;
  for (int length = 1; length <= 6; ++length) {
    std::u16string previous;
    for (std::int32_t r = 1; r <= index.count(); ++r) {
      std::u16string prefix = index.code(r).substr(0, length);
      if (prefix != previous) prefixes.push_back(prefix);
      previous = std::move(prefix);
    }
  }
  return prefixes;
}

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  const std::vector<std::u16string> prefixes =
      occurring_prefixes(code_search::CodeIndex::main_index(session.db));

  SilentHost host;
  long rows = 0, failed = 0;
  const double cpu_start = bench::cpu_seconds();
  const double wall_start = bench::wall_seconds();
  for (const std::u16string& prefix : prefixes) {
    const CodeOutcome found = convert_code(session, host, prefix, CallerMode::kWindow);
    if (found.result != code_search::SearchOutcome::PrefixList) {
      ++failed;
      continue;
    }
    rows += static_cast<long>(found.prefix_list.rows.size());
  }
  const double cpu = bench::cpu_seconds() - cpu_start;
  const double wall = bench::wall_seconds() - wall_start;
  std::printf("prefixes %zu, rows listed %ld, without a list %ld\n", prefixes.size(), rows, failed);
  std::printf("cpu %.3f s, wall %.3f s, %.0f lists per second (cpu), %.0f rows per second (cpu)\n",
              cpu, wall, static_cast<double>(prefixes.size()) / cpu,
              static_cast<double>(rows) / cpu);
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
