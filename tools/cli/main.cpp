// kovari-cli: runs engine operations from the command line, one command per
// invocation ("kovari-cli <command> [options]"), for trying inputs without the
// windows. Output is UTF-8; the data files are read from --data DIR or from
// the program's own folder.
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "help.h"

namespace kovari::cli {

// The commands, each implemented in cmd_<name>.cpp: declare it here and add
// one row to kCommands.
int cmd_info(Args& args);
int cmd_code(Args& args);
int cmd_batch_code(Args& args);
int cmd_decompose(Args& args);
int cmd_addr(Args& args);
int cmd_batch_addr(Args& args);
int cmd_office(Args& args);
int cmd_export(Args& args);
int cmd_version(Args& args);

struct Command {
  std::string_view name;
  int (*run)(Args& args);
  std::string_view summary;
};

constexpr Command kCommands[] = {
    {"info", cmd_info, "load the data files; print their directory values, table counts and load_ms"},
    {"code", cmd_code, "postal code to address: code, address, pobox, office, message (stdin lines or arguments)"},
    {"batch-code", cmd_batch_code, "batch code-to-address conversion of a Shift-JIS file"},
    {"decompose", cmd_decompose, "address decomposition: parts, normalised address, status, building code"},
    {"addr", cmd_addr, "address to postal code: code, message, parts, input (stdin lines or arguments)"},
    {"batch-addr", cmd_batch_addr, "batch address-to-code conversion of a Shift-JIS file"},
    {"office", cmd_office, "large-volume offices by name: code, office name, address"},
    {"export", cmd_export, "a prefecture, city or ward/town as a Shift-JIS CSV file"},
};

int usage(std::ostream& out) {
  out << "usage: kovari-cli <command> [--data DIR] [options]\n"
         "       kovari-cli <command> --help\n"
         "       kovari-cli --version [--data DIR]\n\ncommands:\n";
  for (const Command& command : kCommands) {
    out << "  " << command.name << std::string(14 - std::min<std::size_t>(command.name.size(), 13), ' ')
        << command.summary << "\n";
  }
  return 2;
}

int run(std::span<char*> argv) {
  if (argv.size() < 2) return usage(std::cerr);
  const std::string_view name = argv[1];
  if (name == "help" || name == "--help" || name == "-h") {
    usage(std::cout);
    return 0;
  }
  std::vector<std::string> words(argv.begin() + 2, argv.end());
  if (name == "--version") {
    Args args(std::move(words));
    return cmd_version(args);
  }
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    if (asks_for_help(words)) {
      std::cout << command_help(command.name);
      return 0;
    }
    Args args(std::move(words));
    return command.run(args);
  }
  std::cerr << "kovari-cli: unknown command \"" << name << "\"\n";
  return usage(std::cerr);
}

}  // namespace kovari::cli

int main(int argc, char** argv) {
  return kovari::cli::run(std::span<char*>(argv, static_cast<std::size_t>(argc)));
}
