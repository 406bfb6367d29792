// kovari-mkdata: builds the four postal data files from Japan Post's official
// downloads.
//
//   kovari-mkdata --ken-all KEN_ALL.CSV --jigyosyo JIGYOSYO.CSV --out DIR
//
// Prints the problems met (a line it cannot use with its line number), the
// counts, the time taken and the file sizes. Exit status 0 when the files were
// written, 1 when nothing was written, 2 on a usage error.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "builder.h"
#include "csv.h"

namespace {

using kovari::mkdata::Counts;

struct Options {
  std::string ken_all, jigyosyo, out;
};

bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--ken-all") {
      options.ken_all = argv[i + 1];
    } else if (flag == "--jigyosyo") {
      options.jigyosyo = argv[i + 1];
    } else if (flag == "--out") {
      options.out = argv[i + 1];
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !options.ken_all.empty() && !options.jigyosyo.empty() &&
         !options.out.empty();
}

void print_counts(const Counts& c) {
  std::printf(
      "prefectures %d, municipalities %d, town areas %d, postal codes %d, buildings %d\n"
      "detail records %d, detail codes %d, office names %d, words %d, character pairs %d\n"
      "old codes %d, ward pairs %d, town-name keys %d\n",
      c.prefs, c.cities, c.town_areas, c.codes, c.buildings, c.details, c.detail_codes,
      c.office_names, c.words, c.char_pairs, c.old_codes, c.ward_pairs, c.town_name_keys);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: kovari-mkdata --ken-all KEN_ALL.CSV --jigyosyo JIGYOSYO.CSV --out DIR\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const auto ken_all = kovari::mkdata::read_file_bytes(options.ken_all);
  const auto jigyosyo = kovari::mkdata::read_file_bytes(options.jigyosyo);
  if (!ken_all || !jigyosyo) {
    std::fprintf(stderr, "cannot read %s\n",
                 (!ken_all ? options.ken_all : options.jigyosyo).c_str());
    return 1;
  }
  kovari::mkdata::Report report;
  const kovari::mkdata::BuildOutput built =
      kovari::mkdata::build_data_files(*ken_all, *jigyosyo, report);
  const bool written = kovari::mkdata::write_data_files(built.files, options.out, report);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  for (const std::string& message : report.messages())
    std::fprintf(stderr, "%s\n", message.c_str());
  print_counts(built.counts);
  if (report.skipped_lines() > 0) std::printf("lines left out: %d\n", report.skipped_lines());
  if (!written) {
    std::fprintf(stderr, "no file written\n");
    return 1;
  }
  for (const auto& file : built.files) {
    std::printf("%s: %d bytes\n", (std::filesystem::path(options.out) / file.name).c_str(),
                file.bytes.size());
  }
  std::printf("built in %.2f s\n", seconds);
  return 0;
}
