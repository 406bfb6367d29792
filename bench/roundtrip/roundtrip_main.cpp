// kovari-roundtrip [--data DIR] [--examples N] [--fuzzy] [--per-kind N] [--repeat N]: for
// every town-area record whose name is a plain town name (no bracketed
// condition, not "以下に掲載がない場合"), types prefecture + city + ward/town +
// town name as an address, converts it as the clipboard converter does and
// counts how many come back with the record's own code. Prints the share, the
// failures grouped by cause with examples, the addresses converted per second
// and how many the approximate rules answered; then whether every address
// gets the same answer in sorted, reversed and shuffled order as alone; then,
// kind by kind, town areas written in the ways the approximate rules read
// (at most N of each, 3000 by default) and how many get their answer.
// With --repeat N it only times N conversions of all the addresses, each on a
// freshly loaded session, and prints their rates and the median.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "approx_probes.h"
#include "order_check.h"
#include "resolve/approx_rules.h"
#include "rule_report.h"
#include "session/convert_address.h"
#include "text/sjis.h"
#include "text/vb.h"
#include "town_area_walk.h"

namespace kovari::roundtrip {
namespace {

using text::to_utf8;
using text::Trim;

struct Probe {
  TownArea area;
  std::u16string address;
};

struct Outcome {
  std::u16string code, msg, parts;
};

std::vector<std::u16string> split_parts(const std::u16string& parts) {
  std::vector<std::u16string> out(2);  // fields from index 1
  for (char16_t c : parts) {
    if (c == u',') {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  out.resize(11);
  return out;
}

// Why a probe failed, most telling cause first.
std::string cause_of(const Probe& p, const Outcome& o, const postaldb::PostalTables& t,
                     const std::map<std::pair<int, std::u16string>, std::set<std::string>>& codes) {
  if (codes.at({p.area.row, p.area.name}).size() > 1) {
    return "the same name carries several codes in the municipality";
  }
  if (!o.msg.empty()) return "message: " + to_utf8(o.msg);
  const std::vector<std::u16string> parts = split_parts(o.parts);
  if (!o.parts.empty() &&
      (parts[2] + parts[3] != Trim(t.city_name1[p.area.row]) + Trim(t.city_name2[p.area.row]))) {
    return "decomposition cut the city or ward/town elsewhere";
  }
  if (!o.parts.empty() && parts[4] != p.area.name) {
    return "the town area changed on the way (numbers or markers taken out of it)";
  }
  return o.code.empty() ? "no code" : "another code";
}

AddressOutcome convert(Session& session, std::u16string_view address) {
  SilentHost host;
  return convert_address(session, host, address, CallerMode::kClipboard);
}

bool load_session(Session& session, const std::filesystem::path& folder, bool fuzzy) {
  SilentHost host;
  if (const postaldb::LoadStatus s = session.load(folder, host); !s.ok()) {
    std::cerr << "kovari-roundtrip: " << s.error << "\n";
    return false;
  }
  if (fuzzy) session.settings.set_flag(settings::Flag::kApproximate, 1);
  return true;
}

// A fresh session per pass, so that every pass reads the town areas from the
// data files as the first conversion of a run does.
int print_speed(const std::filesystem::path& folder, bool fuzzy,
                const std::vector<std::u16string>& addresses, int repeat) {
  SilentHost host;
  std::vector<double> rates;
  for (int pass = 0; pass < repeat; ++pass) {
    Session session;
    if (!load_session(session, folder, fuzzy)) return 1;
    AddressOutcome o;
    const std::clock_t cpu_start = std::clock();
    for (const std::u16string& a : addresses) {
      convert_address(session, host, a, CallerMode::kClipboard, {}, o);
    }
    const double cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    rates.push_back(static_cast<double>(addresses.size()) / cpu_seconds);
    std::printf("pass %d: %.0f addresses per second of processor time\n", pass + 1, rates.back());
  }
  std::sort(rates.begin(), rates.end());
  if (!rates.empty()) std::printf("median: %.0f\n", rates[rates.size() / 2]);
  return 0;
}

// The town areas written in the ways the approximate rules read, kind by kind.
void probe_kinds(Session& session, const std::vector<TownArea>& areas, std::size_t per_kind,
                 std::size_t examples) {
  struct Tally {
    std::size_t total = 0, right = 0, through_rule = 0, as_written = 0;
    std::vector<std::string> failures;
  };
  std::map<resolve::ApproxRule, Tally> tallies;
  for (const KindProbe& p : approximate_probes(session.db, areas, per_kind)) {
    const AddressOutcome o = convert(session, p.address);
    Answer expected{p.code, p.message, {}};
    if (!p.reference.empty()) {
      const AddressOutcome r = convert(session, p.reference);
      expected = {r.code, r.message, {}};
    }
    Tally& t = tallies[p.rule];
    ++t.total;
    if ((o.approximate & p.rule) != 0) ++t.through_rule;
    if (o.code == expected.code && o.message == expected.message) {
      ++t.right;
    } else if (o.approximate == 0 && !o.code.empty() && !o.catch_all) {
      // Another town area's code, found as written: the rules do not run.
      ++t.as_written;
    } else if (t.failures.size() < examples) {
      t.failures.push_back(to_utf8(p.address) + " -> [" + to_utf8(o.code) + "] " +
                           to_utf8(o.message) + ", expected [" + to_utf8(expected.code) + "] " +
                           to_utf8(expected.message));
    }
  }
  std::printf("\ntown areas written as the approximate rules read them (at most %zu a kind):\n",
              per_kind);
  std::printf(
      "  (by rule: the answer came through the kind's rule; as written: another code\n"
      "  the address gets as written, where the approximate rules do not run)\n");
  std::printf("  %-42s %7s %7s %8s %7s %10s\n", "kind", "probes", "right", "share", "by rule",
              "as written");
  for (const auto& [rule, t] : tallies) {
    std::printf("  %-42s %7zu %7zu %7.2f%% %7zu %10zu\n",
                std::string(resolve::approx_rule_name(rule)).c_str(), t.total, t.right,
                t.total ? 100.0 * static_cast<double>(t.right) / static_cast<double>(t.total) : 0.0,
                t.through_rule, t.as_written);
    for (const std::string& f : t.failures) std::printf("      %s\n", f.c_str());
  }
}

int run(int argc, char** argv) {
  std::filesystem::path folder = std::filesystem::path(argv[0]).parent_path();
  std::size_t examples = 5;
  std::size_t per_kind = 3000;
  bool fuzzy = false;
  int repeat = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc) {
      folder = argv[++i];
    } else if (arg == "--examples" && i + 1 < argc) {
      examples = std::stoul(argv[++i]);
    } else if (arg == "--fuzzy") {
      fuzzy = true;
    } else if (arg == "--per-kind" && i + 1 < argc) {
      per_kind = std::stoul(argv[++i]);
    } else if (arg == "--repeat" && i + 1 < argc) {
      repeat = std::stoi(argv[++i]);
    } else {
      std::cerr << "usage: kovari-roundtrip [--data DIR] [--examples N] [--fuzzy] [--per-kind N] "
                   "[--repeat N]\n";
      return 2;
    }
  }

  SilentHost host;
  Session session;
  if (!load_session(session, folder, fuzzy)) return 1;
  const postaldb::PostalDb& db = session.db;
  const postaldb::PostalTables& t = db.tables;

  std::vector<Probe> probes;
  std::vector<TownArea> areas;
  std::map<std::pair<int, std::u16string>, std::set<std::string>> codes;
  for_each_town_area(db, [&](const TownArea& a) {
    areas.push_back(a);
    if (a.bracketed || text::InStr(a.name, u"以下に掲載がない場合") != 0) return;
    codes[{a.row, a.name}].insert(a.code);
    probes.push_back(
        {a, Trim(t.pref_name[a.pref]) + t.city_name1[a.row] + t.city_name2[a.row] + a.name});
  });
  std::vector<std::u16string> addresses;
  for (const Probe& p : probes) addresses.push_back(p.address);
  if (repeat > 0) return print_speed(folder, fuzzy, addresses, repeat);

  std::vector<std::pair<std::size_t, Outcome>> failures;
  std::vector<Answer> answers;
  answers.reserve(probes.size());
  RulesUsed rules_used;
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpu_start = std::clock();
  AddressOutcome o;  // kept, as the batch and the command line keep theirs
  for (std::size_t i = 0; i < probes.size(); ++i) {
    convert_address(session, host, probes[i].address, CallerMode::kClipboard, {}, o);
    answers.push_back(answer_of(o));
    rules_used.note(o.approximate);
    if (o.code != std::u16string(probes[i].area.code.begin(), probes[i].area.code.end())) {
      failures.push_back({i, {o.code, o.message, o.parts}});
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;

  std::map<std::string, std::vector<std::size_t>> by_cause;
  for (const auto& [i, o] : failures) by_cause[cause_of(probes[i], o, t, codes)].push_back(i);
  const std::size_t total = probes.size();
  const std::size_t good = total - failures.size();
  std::printf("plain town areas: %zu\nresolved to their own code: %zu (%.3f%%)\n", total, good,
              total ? 100.0 * static_cast<double>(good) / static_cast<double>(total) : 0.0);
  std::printf("addresses per second: %.0f (%.2f s); per second of processor time: %.0f\n",
              static_cast<double>(total) / seconds, seconds,
              static_cast<double>(total) / cpu_seconds);
  rules_used.print(total);
  std::map<std::size_t, const Outcome*> outcome_of;
  for (const auto& [i, o] : failures) outcome_of[i] = &o;
  for (const auto& [cause, list] : by_cause) {
    std::printf("\n%zu  %s\n", list.size(), cause.c_str());
    for (std::size_t k = 0; k < list.size() && k < examples; ++k) {
      const Probe& p = probes[list[k]];
      const Outcome& o = *outcome_of[list[k]];
      std::printf("    %s  %s -> [%s] %s | %s\n", p.area.code.c_str(), to_utf8(p.address).c_str(),
                  to_utf8(o.code).c_str(), to_utf8(o.parts).c_str(), to_utf8(o.msg).c_str());
    }
  }

  print_order_check("the round trip", check_order(session, addresses, convert, answers), examples);
  probe_kinds(session, areas, per_kind, examples);
  return 0;
}

}  // namespace
}  // namespace kovari::roundtrip

int main(int argc, char** argv) { return kovari::roundtrip::run(argc, argv); }
