#include "address_entry/address_entry.h"

#include <utility>

#include "clipboard/clip_copy.h"
#include "decompose/decomposition.h"
#include "resolve/resolve_state.h"
#include "text/format.h"
#include "text/vb.h"

namespace kovari::address_entry {

namespace {

constexpr int kBlockPiece = 5;  // the block numbers after the town area

AddressConversion from_outcome(AddressOutcome outcome, std::u16string_view address,
                               const settings::Settings& settings) {
  AddressConversion conversion;
  AddressFields& f = conversion.fields;
  f.address = address;
  f.parts = std::move(outcome.parts);
  f.code = clipboard::code_item(outcome.code, settings);
  f.message = outcome.message.empty() ? std::u16string(kMsgEnterAddress) : outcome.message;
  conversion.focus = outcome.focus;
  const auto& copy = outcome.decomposition.slot[1].addr_part_copy;
  for (int k = 1; k <= kBlockPiece; ++k) conversion.typed_pieces[k] = copy[k];
  if (outcome.list) {
    f.message = outcome.list->prompt;
    conversion.list = std::move(outcome.list);
  }
  conversion.copy_visible = !f.code.empty() && !conversion.list;
  return conversion;
}

}  // namespace

InputMode initial_mode(const settings::Settings& settings, bool town_search_offered) {
  switch (settings.flag(settings::Flag::kInputMode)) {
    case 0:
      return InputMode::kPick;
    case 1:
      return InputMode::kAddress;
    default:
      return town_search_offered ? InputMode::kTownSearch : InputMode::kAddress;
  }
}

ModeControls set_control(InputMode mode) {
  switch (mode) {
    case InputMode::kPick:
      return {.pick_enabled = true,
              .entry_title = u"一括入力",
              .entry_label = u"住　　所",
              .action_caption = u"変換",
              .prompt = kMsgPickPrefecture};
    case InputMode::kAddress:
      return {.entry_enabled = true,
              .entry_title = u"一括入力",
              .entry_label = u"住　　所",
              .action_caption = u"変換",
              .prompt = kMsgEnterAddress};
    case InputMode::kTownSearch:
      return {.entry_enabled = true,
              .code_fields_visible = false,
              .entry_title = u"町域名（文字列）入力",
              .entry_label = u"町域名",
              .action_caption = u"検索",
              .prompt = kMsgEnterTownName};
  }
  return {};
}

std::optional<AddressConversion> convert_typed_address(Session& session, Host& host,
                                                       std::u16string_view address) {
  if (text::trim_view(address).empty()) return std::nullopt;
  AddressOutcome outcome = convert_address(session, host, address, CallerMode::kWindow);
  return from_outcome(std::move(outcome), address, session.settings);
}

std::vector<std::u16string> list_rows(const AddressChoiceList& list) {
  std::vector<std::u16string> rows;
  for (const AddressChoice& choice : list.choices) rows.push_back(text::Trim(choice.name));
  return rows;
}

std::optional<AddressConversion> choose_item(Session& session, Host& host,
                                             const AddressConversion& shown, int item) {
  if (!shown.list || item < 0 || item >= static_cast<int>(shown.list->choices.size())) {
    return std::nullopt;
  }
  const AddressChoiceList& list = *shown.list;
  const AddressChoice& chosen = list.choices[static_cast<std::size_t>(item)];
  std::array<std::u16string, 6> pieces = shown.typed_pieces;
  if (list.list_kind >= resolve::kListPref && list.list_kind <= resolve::kListArea) {
    pieces[static_cast<std::size_t>(list.list_kind)] = chosen.name;
  }
  if (list.list_kind == resolve::kListTown) pieces[decompose::kCity] = chosen.name1;
  std::u16string address;
  for (int k = 1; k <= kBlockPiece; ++k) address += text::Trim(pieces[k]);

  if (list.list_kind != resolve::kListArea) {
    return convert_typed_address(session, host, address);
  }
  AddressConversion conversion;
  conversion.fields = shown.fields;
  conversion.fields.address = std::move(address);
  conversion.fields.code = clipboard::code_item(
      text::Format(static_cast<double>(chosen.index), u"0000000"), session.settings);
  conversion.fields.message = kMsgEnterAddress;
  conversion.typed_pieces = std::move(pieces);
  conversion.copy_visible = true;
  return conversion;
}

std::u16string copy_line(const AddressFields& fields, const settings::Settings& settings) {
  return clipboard::quoted_line({fields.code, fields.address}, clipboard::item_separator(settings));
}

bool copy_result(Session& session, Host& host, const AddressFields& fields) {
  if (text::trim_view(fields.code).empty()) return false;
  clipboard::append_to_clipboard(host, session.clip_asked, copy_line(fields, session.settings));
  return true;
}

}  // namespace kovari::address_entry
