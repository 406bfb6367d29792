#include "help.h"

#include <algorithm>

namespace kovari::cli {

namespace {

// A command's help: its usage and what it does, its own options, then its
// output and exit status. The options every command shares go after its own.
struct CommandHelp {
  std::string_view command;
  std::string_view usage;
  std::string_view options;
  std::string_view output;
};

constexpr std::string_view kSharedOptions =
    "  --data DIR       the folder of the data files (default: the program's folder, the\n"
    "                   per-user data folder, then <prefix>/share/kovari)\n"
    "  -h, --help       this text\n";

// The options of the commands that read lines and of the batch commands,
// listed when their usage names them.
constexpr std::string_view kLineBufferedOption =
    "  --line-buffered  write each answer as soon as its line is read, for a caller\n"
    "                   that reads it before writing the next line (by default the\n"
    "                   output is written in large pieces and at the end of input)\n";
constexpr std::string_view kJobsOption =
    "  --jobs N         convert the records with N jobs side by side (default: one\n"
    "                   per core; the output is the same whatever N)\n";

constexpr std::string_view kLookupExit =
    "\nexit status: 0 done, 1 the data does not load, 2 usage error or no data found\n";

constexpr CommandHelp kHelp[] = {
    {"info",
     "usage: kovari-cli info [--data DIR]\n"
     "\n"
     "Loads the data files and prints one \"name value\" line each:\n"
     "  blk1(k) .. blk4(k)  the block entries of the four directories that are not 0\n"
     "  pref_count, city_count, code_count, town_end1, bill_count, city_pos2_count,\n"
     "  code2_count, town_end2, office_count, word_count, chr_file_count, chr_count,\n"
     "  old_code_count, ward_pair_count, tbl4_count, data4_present\n"
     "  load_ms          the time the load took\n"
     "  data_date        the date of the data (YYYY/MM/DD, or 不明)\n",
     "", ""},
    {"code",
     "usage: kovari-cli code [--data DIR] [--hyphen] [--line-buffered] [CODE ...]\n"
     "\n"
     "Looks up each postal code (or each line of standard input when none is given)\n"
     "as the clipboard conversion does. Only the digits of an input count. Lines of\n"
     "standard input end with LF, CR LF or CR.\n",
     "  --hyphen         print codes as 000-0000\n",
     "\n"
     "output, one tab-separated line per result:\n"
     "  code, address, post-office box, office name, message\n"
     "A code with no result gives one line with empty address fields and the message;\n"
     "a code of fewer than 7 digits lists the codes that begin with it (code, address).\n"},
    {"batch-code",
     "usage: kovari-cli batch-code --in FILE --out FILE --items N --code-pos K\n"
     "                             [--start-line L] [--message] [--yes] [--jobs N]\n"
     "                             [--data DIR]\n"
     "\n"
     "Converts the postal codes of a Shift-JIS text or CSV file to addresses.\n"
     "The output file is written whole or not at all: until a run finishes, a file\n"
     "of that name stays as it was. It may not be the input, a read-only file or\n"
     "one of the program's own files (data files, settings, history, office index).\n",
     "  --in FILE        the input file\n"
     "  --out FILE       the output file\n"
     "  --items N        the number of items per record\n"
     "  --code-pos K     the item that holds the postal code\n"
     "  --start-line L   the first line to convert\n"
     "  --message        write the error messages into the output file\n"
     "  --yes            answer Yes to the item-count warning (otherwise refused)\n",
     "\n"
     "output: the summary of the run on standard output; the progress on standard\n"
     "error when it is a terminal.\n"
     "\n"
     "exit status: 0 finished, 1 the data, the input or the output failed,\n"
     "2 the options or the input check refused the run, or no data found\n"},
    {"decompose",
     "usage: kovari-cli decompose [--data DIR] [--line-buffered] [ADDRESS ...]\n"
     "\n"
     "Decomposes each address (or each line of standard input when none is given).\n"
     "Lines of standard input end with LF, CR LF or CR.\n",
     "",
     "\n"
     "output, one tab-separated line per address:\n"
     "  the nine parts joined by commas, the normalised address, the decomposition\n"
     "  status, the building code\n"},
    {"addr",
     "usage: kovari-cli addr [--data DIR] [--fuzzy] [--detail-pass] [--hyphen]\n"
     "                       [--line-buffered] [--jobs N] [ADDRESS ...]\n"
     "\n"
     "Converts each address (or each line of standard input when none is given) to\n"
     "its postal code as the clipboard conversion does. Lines of standard input end\n"
     "with LF, CR LF or CR.\n",
     "  --fuzzy          approximate name matching\n"
     "  --detail-pass    look among the offices and post-office boxes too\n"
     "  --hyphen         print codes as 000-0000\n"
     "  --jobs N         convert the lines with N jobs side by side, answered in\n"
     "                   input order once no more input waits (default: 1, each\n"
     "                   line alone; the output is the same whatever N)\n",
     "\n"
     "output, one tab-separated line per address:\n"
     "  code, message, decomposed parts, the input as given\n"},
    {"batch-addr",
     "usage: kovari-cli batch-addr --in FILE --out FILE --items N --addr1 K [--addr2 K]\n"
     "                             [--addr3 K] [--code-pos K] [--replace] [--hyphen]\n"
     "                             [--message] [--use-old-code] [--latest-address TYPE]\n"
     "                             [--start-line L] [--yes] [--jobs N] [--data DIR]\n"
     "\n"
     "Converts the addresses of a Shift-JIS text or CSV file to postal codes.\n"
     "The output file is written whole or not at all: until a run finishes, a file\n"
     "of that name stays as it was. It may not be the input, a read-only file or\n"
     "one of the program's own files (data files, settings, history, office index).\n",
     "  --in FILE, --out FILE   the input and output files\n"
     "  --items N               the number of items per record\n"
     "  --addr1 K .. --addr3 K  the items that hold the address, in order\n"
     "  --code-pos K            the item of the record's old postal code (0: none)\n"
     "  --replace               the new code replaces that item (default: appended)\n"
     "  --hyphen                write codes as 000-0000\n"
     "  --message               write the error messages into the output file\n"
     "  --use-old-code          the record's old postal code helps the conversion\n"
     "  --latest-address TYPE   also write the latest address in edit type 1-4\n"
     "  --start-line L          the first line to convert\n"
     "  --yes                   answer Yes to the item-count warning\n",
     "\n"
     "output: the summary of the run on standard output; the progress on standard\n"
     "error when it is a terminal.\n"
     "\n"
     "exit status: 0 finished, 1 the data, the input or the output failed,\n"
     "2 the fields were refused, or no data found\n"},
    {"office",
     "usage: kovari-cli office [--data DIR] [--mode prefix|exact|partial] [--hyphen]\n"
     "                         [--line-buffered] [NAME ...]\n"
     "\n"
     "Searches the large-volume offices (大口事業所) by name, as the office-name search\n"
     "window does: each name (or each line of standard input when none is given) is\n"
     "one search (a blank line is none). Blanks, \"・\" and words such as 株式会社 in a\n"
     "name are ignored, small kana count as large ones. The first search makes the\n"
     "index file ooguchi_index.csv when it is missing or belongs to other data.\n",
     "  --mode MODE      prefix: names that begin with NAME (default); exact: the whole\n"
     "                   name; partial: names that contain NAME\n"
     "  --hyphen         print codes as 000-0000\n",
     "\n"
     "output, one tab-separated line per office found (at most 500 a search):\n"
     "  code, office name, address\n"
     "A name without a match gives no line; the search's message (no match, an input\n"
     "error, the limit reached) goes to standard error.\n"},
    {"export",
     "usage: kovari-cli export --pref NAME [--city NAME] [--town NAME] --out FILE\n"
     "                         [--offices] [--no-towns] [--hyphen] [--yes] [--data DIR]\n"
     "\n"
     "Writes the postal data of a prefecture (--pref), a city, county or designated\n"
     "city (--city, 区市郡島名) or one of its wards or towns (--town, 区町村名) to a\n"
     "Shift-JIS CSV file, as the CSV export window does.\n",
     "  --pref NAME      the prefecture (都道府県名), e.g. 東京都\n"
     "  --city NAME      the city, county or designated city, e.g. さいたま市\n"
     "  --town NAME      the ward or town of --city, e.g. 浦和区\n"
     "  --out FILE       the output file\n"
     "  --offices        also write the offices and post-office boxes (two more columns)\n"
     "  --no-towns       leave out the town areas\n"
     "  --hyphen         write codes as 000-0000\n"
     "  --yes            replace an existing output file (otherwise refused)\n",
     "\n"
     "output: the file, with the header line "
     "\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\"\n"
     "(and \"私書箱\",\"大口事業所名等\" with --offices); the closing message with the number\n"
     "of records on standard output.\n"
     "\n"
     "exit status: 0 written, 1 the data does not load or the file cannot be written,\n"
     "2 usage error, no such area, an existing file kept, or no data found\n"},
};

}  // namespace

bool asks_for_help(const std::vector<std::string>& words) {
  return std::any_of(words.begin(), words.end(),
                     [](const std::string& word) { return word == "--help" || word == "-h"; });
}

std::string command_help(std::string_view command) {
  for (const CommandHelp& help : kHelp) {
    if (help.command != command) continue;
    std::string text(help.usage);
    text += "\noptions:\n";
    text += help.options;
    if (help.usage.find("[--line-buffered]") != std::string_view::npos) text += kLineBufferedOption;
    // A command whose jobs differ tells them among its own options.
    if (help.usage.find("[--jobs N]") != std::string_view::npos &&
        help.options.find("--jobs") == std::string_view::npos) {
      text += kJobsOption;
    }
    text += kSharedOptions;
    text += help.output;
    // The batch commands tell their own exit status with their output.
    if (help.output.find("exit status") == std::string_view::npos) text += kLookupExit;
    return text;
  }
  return {};
}

}  // namespace kovari::cli
