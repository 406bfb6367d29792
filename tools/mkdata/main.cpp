// kovari-mkdata: builds the four postal data files from Japan Post's official
// downloads.
//
//   kovari-mkdata --ken-all KEN_ALL.CSV --jigyosyo JIGYOSYO.CSV --out DIR [--data-date D]
//   kovari-mkdata --update ken_all.zip jigyosyo.zip [--out DIR] [--data-date D]
//
// Prints the problems met (a line it cannot use with its line number), the
// counts, the time taken and the file sizes. Exit status 0 when the files were
// written, 1 when nothing was written, 2 on a usage error.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "builder.h"
#include "csv.h"
#include "paths/user_files.h"
#include "paths/version.h"
#include "text/sjis.h"
#include "update.h"

namespace {

using kovari::mkdata::Counts;

constexpr const char* kUsage =
    "usage: kovari-mkdata --ken-all KEN_ALL.CSV --jigyosyo JIGYOSYO.CSV --out DIR "
    "[--data-date YYYY/MM/DD]\n"
    "       kovari-mkdata --update ken_all.zip jigyosyo.zip [--out DIR] "
    "[--data-date YYYY/MM/DD]\n";

constexpr const char* kHelp =
    "\n"
    "Builds the postal data files kovaritbl.dat, kovari2tbl.dat, kovari3tbl.dat and\n"
    "kovari4tbl.dat from Japan Post's KEN_ALL.CSV and JIGYOSYO.CSV (Shift-JIS).\n"
    "\n"
    "  --ken-all FILE, --jigyosyo FILE   the two CSV files, extracted\n"
    "  --out DIR                         the folder to write the files into\n"
    "  --update KEN_ZIP JIGYOSYO_ZIP     read the two zip files as downloaded, build into\n"
    "                                    a staging folder, load the result back, then put\n"
    "                                    it in place of the old files; a failure leaves the\n"
    "                                    old files in use. Without --out it writes the\n"
    "                                    per-user data folder ($XDG_DATA_HOME/kovari), or\n"
    "                                    the program's folder of a portable copy.\n"
    "  --data-date YYYY/MM/DD            the date of the data to record (default: the date\n"
    "                                    of KEN_ALL.CSV in its zip; unknown for CSV input)\n"
    "  --version, -h/--help\n"
    "\n"
    "Prints the lines it cannot use, the counts, the data date and the files\n"
    "written. Exit status 0 written, 1 nothing written, 2 usage error.\n";

struct Options {
  std::string ken_all, jigyosyo, out, data_date;
  bool update = false;
};

bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool has_value = i + 1 < argc;
    if (flag == "--update" && i + 2 < argc) {
      options.update = true;
      options.ken_all = argv[++i];
      options.jigyosyo = argv[++i];
    } else if (flag == "--ken-all" && has_value) {
      options.ken_all = argv[++i];
    } else if (flag == "--jigyosyo" && has_value) {
      options.jigyosyo = argv[++i];
    } else if (flag == "--out" && has_value) {
      options.out = argv[++i];
    } else if (flag == "--data-date" && has_value) {
      options.data_date = argv[++i];
    } else {
      return false;
    }
  }
  return !options.ken_all.empty() && !options.jigyosyo.empty() &&
         (options.update || !options.out.empty());
}

void print_counts(const Counts& c) {
  std::printf(
      "prefectures %d, municipalities %d, town areas %d, postal codes %d, buildings %d\n"
      "detail records %d, detail codes %d, office names %d, words %d, character pairs %d\n"
      "old codes %d, ward pairs %d, town-name keys %d\n",
      c.prefs, c.cities, c.town_areas, c.codes, c.buildings, c.details, c.detail_codes,
      c.office_names, c.words, c.char_pairs, c.old_codes, c.ward_pairs, c.town_name_keys);
}

void print_messages(const kovari::mkdata::Report& report) {
  for (const std::string& message : report.messages())
    std::fprintf(stderr, "%s\n", message.c_str());
  if (report.skipped_lines() > 0) std::printf("lines left out: %d\n", report.skipped_lines());
}

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int build_from_csv(const Options& options,
                   const std::optional<kovari::postaldb::CalendarDate>& data_date) {
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
      kovari::mkdata::build_data_files(*ken_all, *jigyosyo, report, data_date);
  const bool written = kovari::mkdata::write_data_files(built.files, options.out, report);
  print_messages(report);
  print_counts(built.counts);
  if (!written) {
    std::fprintf(stderr, "no file written\n");
    return 1;
  }
  for (const auto& file : built.files) {
    std::printf("%s: %d bytes\n", (std::filesystem::path(options.out) / file.name).c_str(),
                file.bytes.size());
  }
  std::printf("built in %.2f s\n", seconds_since(start));
  return 0;
}

int update(const Options& options, const std::optional<kovari::postaldb::CalendarDate>& data_date) {
  const auto start = std::chrono::steady_clock::now();
  const std::filesystem::path target =
      options.out.empty() ? kovari::paths::update_folder(kovari::paths::current_places(),
                                                         kovari::paths::folder_is_writable)
                          : std::filesystem::path(options.out);
  kovari::mkdata::Report report;
  const kovari::mkdata::UpdateResult result =
      kovari::mkdata::run_update({options.ken_all, options.jigyosyo, target, data_date}, report);
  print_messages(report);
  if (!result.ok) return 1;
  print_counts(result.counts);
  std::printf("data date %s\n", kovari::text::to_utf8(result.data_date).c_str());
  std::printf("data folder %s\n", target.c_str());
  std::printf("updated in %.2f s\n", seconds_since(start));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--help" || first == "-h") {
    std::printf("%s%s", kUsage, kHelp);
    return 0;
  }
  if (first == "--version") {
    std::printf("kovari-mkdata %s\n", std::string(kovari::paths::kProgramVersion).c_str());
    return 0;
  }
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::optional<kovari::postaldb::CalendarDate> data_date;
  if (!options.data_date.empty()) {
    data_date = kovari::postaldb::parse_calendar_date(options.data_date);
    if (!data_date) {
      std::fprintf(stderr, "kovari-mkdata: --data-date takes a date as YYYY/MM/DD, not \"%s\"\n",
                   options.data_date.c_str());
      return 2;
    }
  }
  return options.update ? update(options, data_date) : build_from_csv(options, data_date);
}
