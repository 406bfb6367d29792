#include "result_list/list_copy.h"

#include <algorithm>
#include <utility>

#include "clipboard/clip_copy.h"
#include "text/vb.h"

namespace kovari::result_list {

namespace {

bool items_chosen_by_settings(ListMode mode) {
  return mode == ListMode::Municipality || mode == ListMode::TownName;
}

}  // namespace

std::u16string edit_clip(const ResultRow& row, const settings::Settings& settings) {
  if (row.code.empty()) return {};
  const std::u16string code = clipboard::code_item(row.code, settings);
  using settings::Flag;
  const std::pair<Flag, std::u16string_view> items[] = {{Flag::kClipCode, code},
                                                        {Flag::kClipAddress, row.address},
                                                        {Flag::kClipPobox, row.pobox},
                                                        {Flag::kClipOffice, row.office}};
  std::vector<std::u16string_view> chosen;
  for (const auto& [flag, item] : items) {
    if (settings.flag(flag) != 0) chosen.push_back(item);
  }
  if (chosen.empty()) return {};
  if (chosen.size() == 1) {
    std::u16string item(text::trim_view(chosen.front()));
    if (settings.flag(Flag::kClipAppend) != 0) item += u"\r\n";
    return item;
  }
  return clipboard::quoted_line(chosen, clipboard::item_separator(settings));
}

bool copy_overwrites(ListMode mode, const settings::Settings& settings) {
  return items_chosen_by_settings(mode) && settings.flag(settings::Flag::kClipAppend) == 0;
}

std::u16string copy_text(ListMode mode, const std::vector<ResultRow>& rows,
                         std::span<const int> selected, const settings::Settings& settings) {
  std::vector<int> positions(selected.begin(), selected.end());
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  std::erase_if(positions, [&](int i) { return i < 0 || i >= static_cast<int>(rows.size()); });
  if (copy_overwrites(mode, settings) && !positions.empty()) positions.resize(1);

  std::u16string text;
  for (const int i : positions) {
    const ResultRow& row = rows[static_cast<std::size_t>(i)];
    if (items_chosen_by_settings(mode)) {
      text += edit_clip(row, settings);
    } else if (!row.code.empty()) {
      text += clipboard::result_line({row.code, row.address, row.pobox, row.office}, settings);
    }
  }
  return text;
}

void copy_rows(Host& host, bool& clip_asked, ListMode mode, const std::vector<ResultRow>& rows,
               std::span<const int> selected, const settings::Settings& settings) {
  if (copy_overwrites(mode, settings)) {
    host.clear_clipboard();
    clip_asked = true;
  }
  clipboard::append_to_clipboard(host, clip_asked, copy_text(mode, rows, selected, settings));
}

}  // namespace kovari::result_list
