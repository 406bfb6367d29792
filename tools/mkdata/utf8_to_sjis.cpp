// kovari-utf8-to-sjis IN OUT: converts a UTF-8 text file to Shift-JIS with the
// engine's own mapping, line ends as CR LF (as the official files have them).
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "text/sjis.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kovari-utf8-to-sjis IN OUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::string crlf;
  for (char c : text.str()) {
    if (c == '\r') continue;
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::size_t bad = 0;
  const std::optional<std::string> sjis =
      kovari::text::encode_sjis(kovari::text::from_utf8(crlf), bad);
  if (!sjis) {
    std::fprintf(stderr, "%s: character %zu has no Shift-JIS form\n", argv[1], bad + 1);
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << *sjis;
  return out ? 0 : 1;
}
