#include "condition_probe.h"

#include <regex>
#include <vector>

#include "text/sjis.h"
#include "text/strconv.h"

namespace kovari::accuracy {

namespace {

// One recognised shape: a pattern over the narrow condition (UTF-8) and the
// block text built from its numbers ($1, $2 ... as in std::regex_replace).
struct Shape {
  const char* name;
  const char* pattern;
  const char* block;
};

// Most specific shapes first; every pattern matches the whole condition.
const Shape kShapes[] = {
    {"compound G (g丁目a-b~d-e)", R"((\d+)丁目(\d+)-(\d+)~(\d+)-(\d+))", "$1丁目$2番$3号"},
    {"compound H (g丁目a-b~e)", R"((\d+)丁目(\d+)-(\d+)~(\d+)号?)", "$1丁目$2番$3号"},
    {"compound E (g丁目a~e)", R"((\d+)丁目(\d+)~(\d+)番地?)", "$1丁目$2番"},
    {"compound F (g丁目a-b)", R"((\d+)丁目(\d+)-(\d+)号?)", "$1丁目$2番$3号"},
    {"丁目 番地 (g丁目a番地)", R"((\d+)丁目(\d+)番地?)", "$1丁目$2番"},
    {"compound A (a-b~d-e)", R"((\d+)-(\d+)~(\d+)-(\d+))", "$1番$2号"},
    {"compound B (a-b-d)", R"((\d+)-(\d+)-(\d+))", "$1丁目$2番$3号"},
    {"compound C (a~d-e)", R"((\d+)~(\d+)-(\d+))", "$1番"},
    {"compound D (a-b~e)", R"((\d+)-(\d+)~(\d+))", "$1番$2号"},
    {"pair (a-b)", R"((\d+)-(\d+))", "$1番$2号"},
    {"丁目 range", R"((\d+)~(\d+)丁目)", "$1丁目"},
    {"丁目", R"((\d+)丁目)", "$1丁目"},
    {"番地 以上", R"((\d+)番地?以上)", "$1番地"},
    {"番地 以下", R"((\d+)番地?以下)", "$1番地"},
    {"番地 range", R"((\d+)~(\d+)番地?)", "$1番地"},
    {"番地", R"((\d+)番地?)", "$1番地"},
    {"号 range", R"((\d+)~(\d+)号)", "$1号"},
    {"号", R"((\d+)号)", "$1号"},
    {"地割 range", R"(第?(\d+)地割~第?(\d+)地割)", "第$1地割"},
    {"地割", R"(第?(\d+)地割)", "第$1地割"},
    {"floor range", R"((\d+)~(\d+)階)", "$1階"},
    {"floor", R"((\d+)階)", "$1階"},
    {"number range", R"((\d+)~(\d+))", "$1番地"},
    {"number", R"((\d+))", "$1番地"},
};

struct CompiledShape {
  const Shape* shape;
  std::regex re;
};

const std::vector<CompiledShape>& compiled() {
  static const std::vector<CompiledShape> shapes = [] {
    std::vector<CompiledShape> v;
    for (const Shape& s : kShapes) v.push_back({&s, std::regex(s.pattern)});
    return v;
  }();
  return shapes;
}

}  // namespace

std::optional<ConditionProbe> probe_condition(std::u16string_view condition) {
  const std::string narrow = text::to_utf8(text::to_narrow(condition));
  for (const CompiledShape& c : compiled()) {
    std::smatch m;
    if (!std::regex_match(narrow, m, c.re)) continue;
    return ConditionProbe{c.shape->name, text::from_utf8(m.format(c.shape->block))};
  }
  return std::nullopt;
}

}  // namespace kovari::accuracy
