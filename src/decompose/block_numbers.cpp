#include "decompose/block_numbers.h"

#include <array>
#include <utility>

#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

using text::InStr;

// Assigns value to target only when it is not empty.
void set_if_any(std::u16string& target, std::u16string_view value) {
  if (!value.empty()) assign_part(target, value);
}

// The characters strictly between 1-based positions a and b, in either order.
std::u16string_view between(std::u16string_view s, int a, int b) {
  if (a > b) std::swap(a, b);
  return text::mid_view(s, a + 1, b - a - 1);
}

// kGoNumber gets what follows a dash, go; a further dash in it moves its rest
// to kExtraNumber.
void set_go_number(std::u16string_view go, std::u16string& part7, std::u16string& part9) {
  const int q = InStr(go, u"-");
  if (q != 0) part9.assign(text::mid_view(go, q + 1));
  assign_part(part7, q != 0 ? text::left_view(go, q - 1) : go);
}

// Marker positions in a block tail (1-based, 0 = absent).
struct TailMarkers {
  int chome = 0;        // 丁
  int after_chome = 0;  // the first character after 丁, or after 丁目, 丁町 or 地割
  int ban = 0;          // 番
  int banchi = 0;       // 番地
  int after_ban = 0;    // the first character after 番, or after 番地
  int go = 0;           // 号
  int dash = 0;         // the first "-"
};

// A flag of 0 leaves its marker unsought. A 番 or 号 before 丁, a 号 before 番
// and a dash before 丁 are dropped, and so are a 番 or 号 after the dash.
TailMarkers find_tail_markers(std::u16string_view s, int chome_flag, int ban_flag, int go_flag) {
  TailMarkers m;
  int chome_word = 0;
  if (chome_flag != 0) {
    m.chome = InStr(s, u"丁");
    for (std::u16string_view word : {u"丁目", u"丁町", u"地割"}) {
      chome_word = InStr(s, word);
      if (chome_word != 0) break;
    }
  }
  m.ban = ban_flag != 0 ? InStr(s, u"番") : 0;
  m.go = go_flag != 0 ? InStr(s, u"号") : 0;
  m.dash = InStr(s, u"-");
  if (m.chome != 0 && m.ban < m.chome) m.ban = 0;
  if (m.chome != 0 && m.go < m.chome) m.go = 0;
  if (m.chome != 0 && m.go < m.ban) m.go = 0;
  if (m.chome != 0 && m.dash < m.chome) m.dash = 0;
  if (m.dash != 0 && m.ban > m.dash) m.ban = 0;
  if (m.dash != 0 && m.go > m.dash) m.go = 0;
  m.after_chome = chome_word != 0 ? chome_word + 2 : m.chome + 1;
  m.banchi = InStr(s, u"番地");
  m.after_ban = m.banchi != 0 ? m.banchi + 2 : m.ban + 1;
  return m;
}

using Parts = decltype(DecompositionSlot::addr_part);

// kGoNumber from the first character after 番 up to 号, kBuilding what follows 号.
void take_go(std::u16string_view s, const TailMarkers& m, int from, Parts& part) {
  set_mid(part[kGoNumber], s, from, m.go - from);
  if (m.go < text::Len(s)) set_mid(part[kBuilding], s, m.go + 1);
}

// A tail with 丁: 3丁目5番地7号, 3丁目5-7, 3丁目7号, 3丁目5 ...
void split_with_chome(std::u16string_view s, const TailMarkers& m, Parts& part) {
  const std::u16string_view rest_after_ban = text::mid_view(s, m.after_ban);
  set_left(part[kChomeNumber], s, m.chome - 1);
  if (m.ban != 0) {
    if (m.ban > m.after_chome)
      set_mid(part[kBanchiNumber], s, m.after_chome, m.ban - m.after_chome);
    if (m.go != 0) {
      take_go(s, m, m.after_ban, part);
      if (m.dash != 0) {
        if (m.dash >= m.after_chome) {
          set_if_any(part[kBanchiNumber], text::mid_view(s, m.after_chome, m.dash - m.after_chome));
        }
        set_if_any(part[kGoNumber], between(s, m.dash, m.ban));
        set_if_any(part[kBuilding], rest_after_ban);
      }
    } else {
      set_if_any(part[kGoNumber], rest_after_ban);
      if (!part[kGoNumber].empty() && part[kGoNumber][0] == u'-') part[kGoNumber].erase(0, 1);
    }
  } else if (m.go != 0) {
    take_go(s, m, m.after_chome, part);
  } else if (m.dash != 0) {
    if (m.dash >= m.after_chome) {
      set_if_any(part[kBanchiNumber], text::mid_view(s, m.after_chome, m.dash - m.after_chome));
    }
    if (m.dash < text::Len(s)) {
      set_go_number(text::mid_view(s, m.dash + 1), part[kGoNumber], part[kExtraNumber]);
      if (const int ban = InStr(part[kGoNumber], u"番"); ban != 0) {
        const int banchi = InStr(part[kGoNumber], u"番地");
        part[kBuilding].assign(text::mid_view(part[kGoNumber], banchi != 0 ? banchi + 2 : ban + 1));
        part[kGoNumber].resize(ban - 1);
      }
    }
  } else {
    set_if_any(part[kBanchiNumber], text::mid_view(s, m.after_chome));
  }
}

// A tail without 丁: 5番地7, 5番7号, 7号, 3-5-7, 5-7.
void split_without_chome(std::u16string_view s, const TailMarkers& m, Parts& part) {
  const std::u16string_view rest_after_ban = text::mid_view(s, m.after_ban);
  part[kChomeNumber].clear();
  if (m.ban != 0) {
    set_left(part[kBanchiNumber], s, m.ban - 1);
    if (m.go != 0) {
      take_go(s, m, m.after_ban, part);
    } else if (m.banchi != 0) {
      set_if_any(part[kGoNumber], rest_after_ban);
    } else if (!rest_after_ban.empty()) {
      part[kGoNumber].assign(rest_after_ban[0] == u'-' ? rest_after_ban.substr(1) : rest_after_ban);
    }
  } else if (m.go != 0) {
    take_go(s, m, 1, part);
  } else if (m.dash != 0) {
    const int second = InStr(m.dash + 1, s, u"-");
    if (second != 0) {
      set_left(part[kChomeNumber], s, m.dash - 1);
      set_mid(part[kBanchiNumber], s, m.dash + 1, second - m.dash - 1);
      set_go_number(text::mid_view(s, second + 1), part[kGoNumber], part[kExtraNumber]);
    } else {
      set_left(part[kBanchiNumber], s, m.dash - 1);
      set_mid(part[kGoNumber], s, m.dash + 1);
    }
  }
}

}  // namespace

void no_to_dash(std::u16string& text, int p) {
  if (p == 0) return;
  const std::u16string_view w = text::trim_view(text);
  const int L = text::Len(w);
  if (!(1 < p && p < L && (digit_at(w, p - 1) || digit_at(w, p + 1)))) return;
  // The trimmed text with a dash at p.
  const std::size_t lead = static_cast<std::size_t>(w.data() - text.data());
  text.resize(lead + w.size());
  text.erase(0, lead);
  text[p - 1] = u'-';
}

namespace {

// The の between numbers becomes a dash, except in その他.
void no_to_dash_outside_sonota(std::u16string& s) {
  const int no = InStr(s, u"の");
  if (no != 0 && !contains(s, u"その他")) no_to_dash(s, no);
}

// The same for a text read in place: tail itself when it holds no の to
// change, else the changed copy in buffer.
std::u16string_view no_to_dash_outside_sonota(std::u16string_view tail, std::u16string& buffer) {
  if (!contains(tail, u'の')) return tail;
  assign_part(buffer, tail);
  no_to_dash_outside_sonota(buffer);
  return buffer;
}

}  // namespace

void parse_block_numbers(Decomposition& d, std::u16string_view tail, int chome_flag, int ban_flag,
                         int go_flag) {
  auto& part = d.current().addr_part;
  std::u16string& s = d.tail_text;  // a copy: tail may be one of the parts written below
  assign_part(s, tail);
  // の (and the half-width ﾉ) between numbers becomes a dash.
  no_to_dash_outside_sonota(s);
  if (const int p = InStr(s, u"ﾉ"); p != 0) no_to_dash(s, p);

  const TailMarkers m = find_tail_markers(s, chome_flag, ban_flag, go_flag);
  if (s.empty()) return;
  if (m.chome == 0 && m.ban == 0 && m.go == 0 && m.dash == 0) {
    // A bare number is the 番地; a text without one only clears part 5 below.
    if (const double value = text::Val(s); value != 0) {
      part[kBanchiNumber] = plain_number(value);
      return;
    }
  }
  if (m.chome != 0) {
    split_with_chome(s, m, part);
  } else {
    split_without_chome(s, m, part);
  }
}

void parse_dash_numbers(Decomposition& d, std::u16string_view tail, int first_dash, int second_dash,
                        AddrPart unsplit) {
  DecompositionSlot& slot = d.current();
  auto& part = slot.addr_part;
  int& banchou = slot.addr_flag[kBanchou];
  if (banchou != 0) {
    banchou = InStr(tail, u"番町");
    if (banchou != 0) {
      part[kTownArea] += text::left_view(tail, banchou + 1);
      part[kChomeNumber].clear();
      return;
    }
  }
  const std::u16string_view s = no_to_dash_outside_sonota(tail, d.tail_text);
  const int b = first_dash != 0 ? InStr(s, u"-") : 0;
  if (b == 0) {
    assign_part(part[unsplit], tail);
    return;
  }
  const int c = second_dash != 0 ? InStr(b + 1, s, u"-") : 0;
  set_left(part[kChomeNumber], s, b - 1);
  if (c != 0) {
    set_mid(part[kBanchiNumber], s, b + 1, c - b - 1);
    set_go_number(text::mid_view(s, c + 1), part[kGoNumber], part[kExtraNumber]);
  } else {
    set_mid(part[kBanchiNumber], s, b + 1);
  }
}

}  // namespace kovari::decompose
