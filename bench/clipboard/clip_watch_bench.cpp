// The clipboard watcher's step: one tick that finds a copied code (or
// address) on the clipboard, converts it, puts the result back and appends
// the history line. The timer ticks every 1000 ms; a step must take far less.
// Codes: every 97th code of the postal-code index; addresses: the addresses
// those codes convert to, each with a block number.
//
// usage: kovari-bench-clip-watch [DATA_DIR]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "code_search/bench_data.h"
#include "code_search/code_index.h"
#include "session/clip_conversions.h"

namespace kovari {
namespace {

// A host whose clipboard is a string, as the watcher sees the system's.
class BenchHost : public SilentHost {
 public:
  bool clipboard_has_text() override { return !clipboard.empty(); }
  std::u16string clipboard_text() override { return clipboard; }
  void set_clipboard_text(std::u16string_view text) override { clipboard = text; }
  void clear_clipboard() override { clipboard.clear(); }
  std::u16string clipboard;
};

struct Timing {
  long converted = 0;
  // CPU time of each step: the machine is shared, and a step's wall time
  // also counts the time other processes had the processor.
  std::vector<double> seconds;
};

Timing run_steps(const std::vector<std::u16string>& texts, clipboard::ClipWatch& watch,
                 SessionClipConverter& converter, clipboard::ClipHistory& history, BenchHost& host,
                 const settings::Settings& settings) {
  Timing timing;
  for (const std::u16string& text : texts) {
    host.clipboard = text;
    const double start = bench::cpu_seconds();
    clipboard::watch_step(watch, converter, history, host, settings);
    timing.seconds.push_back(bench::cpu_seconds() - start);
    if (watch.picture == clipboard::ClipPicture::kConverted) ++timing.converted;
  }
  return timing;
}

// Mean, 99th percentile and slowest step (CPU time); the slowest is often a
// page of the data files read for the first time.
void print(const char* what, Timing t) {
  std::vector<double>& s = t.seconds;
  if (s.empty()) return;
  std::sort(s.begin(), s.end());
  double total = 0;
  for (const double one : s) total += one;
  std::printf("%s: %zu steps, %ld converted, mean %.3f ms, 99%% under %.3f ms, slowest %.3f ms\n",
              what, s.size(), t.converted, 1000 * total / static_cast<double>(s.size()),
              1000 * s[s.size() * 99 / 100], 1000 * s.back());
}

int run(int argc, char** argv) {
  Session session;
  if (!bench::load(bench::data_folder(argc, argv), session)) return 1;
  const code_search::CodeIndex index = code_search::CodeIndex::main_index(session.db);
  std::vector<std::u16string> codes;
  for (std::int32_t r = 1; r <= index.count(); r += 97) codes.push_back(index.code(r));

  BenchHost host;
  SessionClipConverter converter(session, host);
  const std::filesystem::path history_path =
      std::filesystem::temp_directory_path() / "kovari-bench-tmp_history.csv";
  clipboard::ClipHistory history(history_path);
  clipboard::ClipWatch watch;
  clipboard::start_watch(watch, host);

  const Timing code_steps = run_steps(codes, watch, converter, history, host, session.settings);
  std::vector<std::u16string> addresses;
  for (const std::u16string& code : codes) {
    const clipboard::ClipConverter::Address found = converter.code_to_address(code, true);
    if (!found.address.empty()) addresses.push_back(found.address + u"１－２");
  }
  const Timing address_steps =
      run_steps(addresses, watch, converter, history, host, session.settings);
  std::filesystem::remove(history_path);
  print("code to address", code_steps);
  print("address to code", address_steps);
  return 0;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) { return kovari::run(argc, argv); }
