#include "shell/program_info.h"

namespace kovari::shell {
namespace {

// The version is the build's ASCII text.
std::u16string widen_ascii(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

std::u16string splash_version(std::string_view version) {
  return u"Version  " + widen_ascii(version);
}

std::u16string system_info_version(std::string_view version) {
  return u"Version " + widen_ascii(version);
}

std::u16string data_date_note(std::u16string_view data_date) {
  return std::u16string(data_date) + u"現在のデータを使用しています\r\n";
}

}  // namespace kovari::shell
