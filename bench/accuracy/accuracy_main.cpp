// kovari-accuracy [--data DIR] [--examples N] [--lines N]: address-to-code
// accuracy and speed on the national data.
//  1. Town areas with numbered conditions: for every condition of a bracketed
//     part that names numbers (丁目, 番地, 号, 地割, floors, their ranges and
//     combinations), types prefecture + city + ward/town + town name + block
//     numbers that lie in the condition and counts how many resolve to the
//     record's own code, per condition shape.
//  2. Detail records with the detail pass on (Flag::kDetailPass): types the
//     address of every large-volume office and post-office box (without the
//     post-office-box text) and counts how many resolve to the record's own
//     code; also the share whose detail address decomposes to the same parts
//     as the typed address.
//  3. A batch file of real addresses (100,000 lines by default): records per
//     second.
// Parts 1 and 2 also report the approximate rules their answers went through,
// whether every address gets the same answer in sorted, reversed and shuffled
// order as alone, and their block numbers typed with long-vowel marks.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "approx_sections.h"
#include "batch_speed.h"
#include "condition_probe.h"
#include "decompose/decomposition.h"
#include "detail_probe.h"
#include "resolve/detail_reader.h"
#include "resolve/detail_record.h"
#include "resolve/resolve_walk.h"
#include "resolve/town_area_form.h"
#include "session/convert_address.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"
#include "town_area_walk.h"

namespace kovari::accuracy {
namespace {

using text::to_utf8;
using text::Trim;

struct Tally {
  long total = 0;
  long good = 0;
  std::vector<std::string> examples;
};

double share(long good, long total) {
  return total ? 100.0 * static_cast<double>(good) / static_cast<double>(total) : 0.0;
}

// One address through decomposition and resolution, as the clipboard
// converter does.
AddressOutcome resolve_address(Session& session, Host& host, std::u16string_view address) {
  return convert_address(session, host, address, CallerMode::kClipboard);
}

AddressOutcome convert(Session& session, std::u16string_view address) {
  SilentHost host;
  return resolve_address(session, host, address);
}

// The block numbers of a probe joined by hyphens (１丁目２番３号 -> １-２-３),
// when it has two or more and names no floor or 地割.
std::u16string hyphen_form(std::u16string_view block) {
  if (text::InStr(block, u"階") != 0 || text::InStr(block, u"地割") != 0) return {};
  std::u16string out;
  int numbers = 0;
  bool in_number = false;
  for (const char16_t c : block) {
    const bool digit = (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
    if (digit && !in_number && numbers++ > 0) out += u'-';
    if (digit) out += c;
    in_number = digit;
  }
  return numbers >= 2 ? out : std::u16string();
}

std::u16string municipality(const postaldb::PostalTables& t, int pref, int row) {
  return Trim(t.pref_name[pref]) + t.city_name1[row] + t.city_name2[row];
}

std::vector<std::u16string> split_conditions(std::u16string_view inner) {
  std::vector<std::u16string> pieces(1);
  for (const char16_t c : inner) {
    if (c == u'、') {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

void report(const char* title, const std::map<std::string, Tally>& tallies, std::size_t examples) {
  long total = 0, good = 0;
  for (const auto& [name, t] : tallies) {
    total += t.total;
    good += t.good;
  }
  std::printf("\n%s: %ld, resolved to their own code: %ld (%.2f%%)\n", title, total, good,
              share(good, total));
  for (const auto& [name, t] : tallies) {
    std::printf("  %-28s %7ld  %7ld  %6.2f%%\n", name.c_str(), t.total, t.good,
                share(t.good, t.total));
    for (std::size_t k = 0; k < t.examples.size() && k < examples; ++k) {
      std::printf("      %s\n", t.examples[k].c_str());
    }
  }
}

void add(std::map<std::string, Tally>& tallies, const std::string& kind, bool good,
         const std::string& example) {
  Tally& t = tallies[kind];
  ++t.total;
  if (good) {
    ++t.good;
  } else if (t.examples.size() < 50) {
    t.examples.push_back(example);
  }
}

// Town areas with numbered conditions.
void conditions(Session& session, Host& host, std::size_t examples,
                std::vector<std::u16string>& batch_addresses) {
  const postaldb::PostalDb& db = session.db;
  const postaldb::PostalTables& t = db.tables;
  std::map<std::string, Tally> tallies;
  ApproxSection section;
  long unprobed = 0;
  roundtrip::for_each_town_area(db, [&](const roundtrip::TownArea& a) {
    const int open = text::InStr(a.name, u"（");
    if (!a.bracketed || open == 0) return;
    const std::u16string base = text::Left(a.name, open - 1);
    const std::u16string inner = text::Mid(a.name, open + 1, text::Len(a.name) - open - 1);
    for (const std::u16string& condition : split_conditions(inner)) {
      const std::optional<ConditionProbe> probe = probe_condition(condition);
      if (!probe) {
        ++unprobed;
        continue;
      }
      const std::u16string address = municipality(t, a.pref, a.row) + base + probe->block;
      const AddressOutcome o = resolve_address(session, host, address);
      const bool good = o.code == std::u16string(a.code.begin(), a.code.end());
      add(tallies, probe->shape, good,
          a.code + " " + to_utf8(address) + " (" + to_utf8(condition) + ") -> [" + to_utf8(o.code) +
              "] " + to_utf8(o.parts));
      if (batch_addresses.size() < 50000) batch_addresses.push_back(address);
      const std::u16string hyphens = hyphen_form(probe->block);
      section.note(address, o,
                   hyphens.empty() ? hyphens : municipality(t, a.pref, a.row) + base + hyphens);
    }
  });
  report("numbered conditions", tallies, examples);
  std::printf("  conditions without numbers this program satisfies: %ld\n", unprobed);
  section.report("the numbered conditions", session, convert, examples);
}

// The typed address's slot as the detail pass sees it: decomposed, its town
// area prepared as resolution prepares it before the detail pass.
// std::nullopt when the building table decides the typed address (the detail
// pass is then never consulted).
std::optional<decompose::DecompositionSlot> typed_parts(std::u16string_view address,
                                                        const postaldb::PostalTables& t,
                                                        int kyoto_mode) {
  decompose::Decomposition d;
  d.addr_text = address;
  decompose::decompose_address(d, t, {0, 0});
  if (d.decomp_status == decompose::DecompStatus::kBuilding) return std::nullopt;
  decompose::DecompositionSlot slot = d.slot[1];
  resolve::prepare_slot_town_area(slot, kyoto_mode, t);
  return slot;
}

// Detail records with the detail pass.
void details(Session& session, Host& host, std::size_t examples,
             std::vector<std::u16string>& batch_addresses) {
  const postaldb::PostalDb& db = session.db;
  const postaldb::PostalTables& t = db.tables;
  const int approximate = session.settings.flag(settings::Flag::kApproximate);
  std::map<std::string, Tally> tallies;
  ApproxSection section;
  std::set<std::u16string> seen, seen_any;
  long same_parts = 0, compared = 0, building_decides = 0;
  const auto start = std::chrono::steady_clock::now();
  for_each_detail_record(db, [&](const DetailEntry& e) {
    std::u16string street(resolve::street_address(e.record));
    const std::u16string address = municipality(t, e.pref, e.row) + e.record.town_name + street;
    AddressOutcome o = resolve_address(session, host, address);
    section.note(address, o, address);
    const bool good = o.code == std::u16string(e.record.code.begin(), e.record.code.end());
    const int found_city = o.levels.city;
    std::u16string place = address;  // what tells two addresses apart
    if (batch_addresses.size() < 100000) batch_addresses.push_back(address);
    // The rule for the detail address: the same parts as the typed address,
    // looked at where the detail pass runs (a municipality found, the
    // building table not deciding).
    const auto& kyoto = t.city_group[resolve::kKyotoGroup];
    const int kyoto_mode = found_city >= kyoto[1] && found_city <= kyoto[2] ? 1 : 0;
    const std::optional<decompose::DecompositionSlot> typed = typed_parts(address, t, kyoto_mode);
    if (!typed) {
      ++building_decides;
    } else if (found_city != 0) {
      resolve::decompose_detail_record(e.record.town_name + street, o.decomposition, t,
                                       {kyoto_mode, approximate});
      ++compared;
      const decompose::DecompositionSlot& detail = o.decomposition.slot[2];
      bool same = detail.koaza_text == typed->koaza_text &&
                  detail.kyoto_direction == typed->kyoto_direction;
      for (int k = 4; k <= 9; ++k) same = same && detail.addr_part[k] == typed->addr_part[k];
      if (same) ++same_parts;
      place =
          text::from_utf8(std::to_string(found_city) + "," + std::to_string(o.levels.town) + ",") +
          detail.koaza_text + u"," + detail.kyoto_direction;
      for (const int k : {4, 5, 6, 7, 9}) place += u"," + detail.addr_part[k];
    }
    // Records at one place cannot all get their own code: the detail pass
    // takes the first that fits, and an address without a building fits a
    // record at the same numbers that names one.
    const std::u16string building =
        place == address ? u"" : o.decomposition.slot[2].addr_part[decompose::kBuilding];
    const bool repeated =
        building.empty() ? seen_any.count(place) != 0 : seen.count(place + u"|" + building) != 0;
    seen_any.insert(place);
    seen.insert(place + u"|" + building);
    add(tallies, repeated ? "same place as an earlier record" : "own place", good,
        e.record.code + " " + to_utf8(address) + " -> [" + to_utf8(o.code) + "] " +
            to_utf8(o.parts) + " " + to_utf8(o.message));
  });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  report("detail records with ctl_flg(10) = 1", tallies, examples);
  std::printf(
      "  detail address decomposes to the typed address's parts: %ld of %ld (%.2f%%);"
      " the building table decides %ld more\n",
      same_parts, compared, share(same_parts, compared), building_decides);
  std::printf("  addresses per second: %.0f\n",
              static_cast<double>(tallies["own place"].total +
                                  tallies["same place as an earlier record"].total) /
                  seconds);
  section.report("the detail records", session, convert, examples);
}

int run(int argc, char** argv) {
  std::filesystem::path folder = std::filesystem::path(argv[0]).parent_path();
  std::size_t examples = 5;
  long lines = 100000;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc) {
      folder = argv[++i];
    } else if (arg == "--examples" && i + 1 < argc) {
      examples = std::stoul(argv[++i]);
    } else if (arg == "--lines" && i + 1 < argc) {
      lines = std::stol(argv[++i]);
    } else {
      std::cerr << "usage: kovari-accuracy [--data DIR] [--examples N] [--lines N]\n";
      return 2;
    }
  }
  SilentHost host;
  Session session;
  if (const postaldb::LoadStatus s = session.load(folder, host); !s.ok()) {
    std::cerr << "kovari-accuracy: " << s.error << "\n";
    return 1;
  }
  // Each part starts without the choices the one before remembered.
  std::vector<std::u16string> batch_addresses;
  conditions(session, host, examples, batch_addresses);
  session.remembered = {};
  const int detail_pass = session.settings.flag(settings::Flag::kDetailPass);
  session.settings.set_flag(settings::Flag::kDetailPass, 1);
  details(session, host, examples, batch_addresses);
  session.settings.set_flag(settings::Flag::kDetailPass, detail_pass);
  session.remembered = {};

  const BatchSpeed speed = measure_batch(session, batch_addresses, lines);
  if (!speed.error.empty()) {
    std::printf("\nbatch run failed: %s\n", speed.error.c_str());
    return 1;
  }
  std::printf("\nbatch of %ld real addresses: %.2f s, %.0f records per second, %ld converted\n",
              speed.records, speed.seconds,
              speed.seconds > 0 ? static_cast<double>(speed.records) / speed.seconds : 0.0,
              speed.converted);
  return 0;
}

}  // namespace
}  // namespace kovari::accuracy

int main(int argc, char** argv) { return kovari::accuracy::run(argc, argv); }
