#include "settings/ini_file.h"

#include <array>
#include <cmath>
#include <optional>

#include "io/atomic_file.h"
#include "io/read_file.h"
#include "settings/ini_fields.h"
#include "settings/settings_save.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::settings {

namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxFileSize = 16u << 20;

enum class Section { kNone, kForm, kControl, kText };

// A number as the file writes it: decimal, a minus sign when negative (the
// format "###0", which the flags' "0" equals for their values).
std::u16string decimal(int n) { return text::from_utf8(std::to_string(n)); }

std::u16string form_key(WindowNumber window, bool top) {
  return u"kovari" + decimal(static_cast<int>(window)) + (top ? u"_top" : u"_left");
}

std::u16string flag_key(int flag) { return u"ctl_flg(" + decimal(flag) + u")"; }

// The kept flags and the remembered file names with their keys.
struct KeptFlag {
  const char16_t* key;
  int Settings::*value;
};
constexpr std::array<KeptFlag, 4> kKeptFlags = {{{u"control1_flg", &Settings::control1_flg},
                                                 {u"control2_flg", &Settings::control2_flg},
                                                 {u"control3_flg", &Settings::control3_flg},
                                                 {u"control9_flg", &Settings::control9_flg}}};
struct FileNameKey {
  const char16_t* key;
  std::u16string Settings::*value;
};
constexpr std::array<FileNameKey, 4> kFileNameKeys = {
    {{u"in_file_name", &Settings::in_file_name},
     {u"out_file_name", &Settings::out_file_name},
     {u"in_file_name2", &Settings::in_file_name2},
     {u"out_file_name2", &Settings::out_file_name2}}};

// A window position: the number after "=" rounded to an Integer (ties to
// even); std::nullopt when it does not fit in one.
std::optional<int> position_value(std::u16string_view text) {
  const std::optional<double> value = text::try_val(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<int>(rounded);
}

// A flag: only the line's last character counts ("=10" reads 0).
int flag_value(std::u16string_view line) {
  return static_cast<int>(text::Val(text::right_view(line, 1)));
}

void read_form_line(std::u16string_view key, std::u16string_view value, Settings& settings) {
  for (WindowNumber window : kWindowNumbers) {
    for (bool top : {true, false}) {
      if (key != form_key(window, top)) continue;
      if (std::optional<int> v = position_value(value)) {
        FormPosition p = settings.position(window);
        (top ? p.top : p.left) = *v;
        settings.set_position(window, p);
      }
      return;
    }
  }
}

void read_control_line(std::u16string_view line, std::u16string_view key, std::u16string_view value,
                       Settings& settings) {
  for (const KeptFlag& kept : kKeptFlags) {
    if (key == kept.key) settings.*kept.value = flag_value(line);
  }
  for (int flag = 1; flag <= kFlagCount; ++flag) {
    if (key == flag_key(flag)) settings.ctl_flg[flag] = flag_value(line);
  }
  for (const FileNameKey& name : kFileNameKeys) {
    if (key == name.key) settings.*name.value = text::Trim(value);
  }
}

// The pairs of the "[Text]" section: the rest of the file, two fields each.
// An empty text to replace would be found at every position: such a pair is
// dropped.
void read_text_pairs(FieldReader& fields, Settings& settings) {
  settings.text_section_read = true;
  settings.text_pairs.clear();
  while (true) {
    std::optional<std::u16string> from = fields.next();
    std::optional<std::u16string> to = fields.next();
    if (!from || !to) break;
    if (from->empty()) continue;
    settings.text_pairs.emplace_back(std::move(*from), std::move(*to));
  }
}

IniRead read_state(io::ReadProblem problem) {
  switch (problem) {
    case io::ReadProblem::kNone:
      return IniRead::kRead;
    case io::ReadProblem::kMissing:
      return IniRead::kMissing;
    default:
      return IniRead::kUnreadable;
  }
}

// Shift-JIS bytes of a line; a character without a Shift-JIS code becomes "?".
std::string encode_line(std::u16string line) {
  while (true) {
    std::size_t bad = 0;
    if (std::optional<std::string> bytes = text::encode_sjis(line, bad)) return *bytes + "\r\n";
    if (bad >= line.size()) return "\r\n";
    line[bad] = u'?';
  }
}

}  // namespace

IniRead get_ini_file(const std::filesystem::path& path, Settings& settings) {
  const io::FileBytes file = io::read_regular_file(path, kMaxFileSize);
  settings.ini_read = read_state(file.problem);
  if (!file.ok()) return settings.ini_read;
  FieldReader fields(file.view());
  Section section = Section::kNone;
  while (std::optional<std::u16string> line = fields.next()) {
    if (!line->empty() && line->front() == u'[') {
      const std::u16string_view header = text::trim_view(*line);
      if (header == u"[Form]") section = Section::kForm;
      if (header == u"[Control]") section = Section::kControl;
      if (header == u"[Text]") {
        read_text_pairs(fields, settings);
        return settings.ini_read;
      }
      continue;
    }
    const std::size_t equals = line->find(u'=');
    if (equals == std::u16string::npos || equals == 0) continue;
    const std::u16string_view key = std::u16string_view(*line).substr(0, equals);
    const std::u16string_view value = std::u16string_view(*line).substr(equals + 1);
    if (section == Section::kForm) read_form_line(key, value, settings);
    if (section == Section::kControl) read_control_line(*line, key, value, settings);
  }
  return settings.ini_read;
}

std::string ini_file_bytes(const Settings& settings) {
  std::string bytes;
  auto line = [&](const std::u16string& text) { bytes += encode_line(text); };
  line(u"[Form]");
  for (WindowNumber window : kWindowNumbers) {
    line(form_key(window, true) + u"=" + decimal(settings.position(window).top));
    line(form_key(window, false) + u"=" + decimal(settings.position(window).left));
  }
  line(u"[Control]");
  for (const KeptFlag& kept : kKeptFlags) {
    line(kept.key + (u"=" + decimal(settings.*kept.value)));
  }
  for (int flag = 1; flag <= kFlagCount; ++flag) {
    line(flag_key(flag) + u"=" + decimal(settings.ctl_flg[flag]));
  }
  for (const FileNameKey& name : kFileNameKeys) {
    line(name.key + (u"=" + text::Trim(settings.*name.value)));
  }
  line(u"[Text]");
  for (const TextPair& pair : settings.text_pairs) {
    line(u"\"" + pair.first + u"\",\"" + pair.second + u"\"");
  }
  return bytes;
}

bool put_ini_file(const std::filesystem::path& path, const Settings& settings) {
  if (!settings_not_saved_reason(settings, path).empty()) return false;
  io::AtomicFile file;
  return file.open(path) && file.write(ini_file_bytes(settings)) && file.commit();
}

}  // namespace kovari::settings
