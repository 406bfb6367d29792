// What AddressToCodeWindow decides: its three input modes and what its
// controls show in each, the conversion of a typed address to the fields it
// fills (the parts, the code, the message line, or the list of a level to
// choose from), the choice of an item of that list, which rebuilds the
// address from what was typed and converts it again, and the copy of the
// result to the clipboard. The window shows the values.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "session/convert_address.h"
#include "session/session.h"

namespace kovari::address_entry {

inline constexpr std::u16string_view kMsgEnterAddress = u"住所を入力して下さい。";
inline constexpr std::u16string_view kMsgEnterTownName = u"町域名（検索文字列）を入力して下さい。";
inline constexpr std::u16string_view kMsgPickPrefecture =
    u"都道府県名を選択して下さい。選択はダブルクリックで行います。";

enum class InputMode {
  kPick = 0,        // 簡易入力: prefecture, city and ward/town from lists
  kAddress = 1,     // 一括入力: a whole address typed and converted
  kTownSearch = 2,  // 町域検索: town-area names searched by a text
};

// The mode the window opens in (Flag::kInputMode): 0 簡易入力, 1 一括入力, any
// other value 町域検索, which falls back to 一括入力 when the town-name index
// ("kovari4tbl.dat") is absent and the mode is not offered.
InputMode initial_mode(const settings::Settings& settings, bool town_search_offered);

// What the controls show in a mode (set_control).
struct ModeControls {
  bool pick_enabled = false;        // the 簡易入力 frame: its buttons' row, the list
  bool entry_enabled = false;       // the entry frame: the label buttons, the text, "変換"
  bool code_fields_visible = true;  // "郵便番号", the parts and the code (not in 町域検索)
  std::u16string_view entry_title;  // the entry frame: "一括入力" / "町域名（文字列）入力"
  std::u16string_view entry_label;     // its label button: "住　　所" / "町域名"
  std::u16string_view action_caption;  // its action button: "変換" / "検索"
  std::u16string_view prompt;          // the message line
};
ModeControls set_control(InputMode mode);

// The four fields of the entry frame.
struct AddressFields {
  std::u16string address;  // the address typed (or rebuilt from a choice)
  std::u16string parts;    // the nine parts the resolution found, joined by ","
  std::u16string code;     // the code, "000-0000" when Flag::kHyphen is set
  std::u16string message;  // the message line
};

struct AddressConversion {
  AddressFields fields;
  // The copy button shows: there is a code.
  bool copy_visible = false;
  // A level the resolution could not settle: its items are listed in place
  // of the parts and the code, the prompt on the message line.
  std::optional<AddressChoiceList> list;
  // The pieces of the address as typed (prefecture, city, ward/town, town
  // area, block numbers) that a choice rewrites before converting again.
  std::array<std::u16string, 6> typed_pieces{};
  Focus focus = Focus::kNone;
};

// "変換" (or Enter in the address): std::nullopt when the address is empty
// (the focus only goes back to it); else the conversion as the window makes
// it (CallerMode::kWindow).
std::optional<AddressConversion> convert_typed_address(Session& session, Host& host,
                                                       std::u16string_view address);

// The rows of the list of a level, as the window lists them: the names
// trimmed (a prefecture's name is stored padded).
std::vector<std::u16string> list_rows(const AddressChoiceList& list);

// Choosing item `item` (0-based) of the list of `shown` (double click or
// Enter): the chosen name takes the place of its level in the typed pieces
// (a ward/town also sets its city), the address is rebuilt from them, and
// it is converted again; a town area's item gives its code directly.
// std::nullopt when there is no such item.
std::optional<AddressConversion> choose_item(Session& session, Host& host,
                                             const AddressConversion& shown, int item);

// The line a copy appends: the code and the address, trimmed, quoted and
// separated as the settings say, then CR LF.
std::u16string copy_line(const AddressFields& fields, const settings::Settings& settings);

// "変換結果をクリップボードに複写する": nothing (false) while there is no code;
// else the first-copy question of the run and the line appended to the
// clipboard's text.
bool copy_result(Session& session, Host& host, const AddressFields& fields);

}  // namespace kovari::address_entry
