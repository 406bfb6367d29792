#include "decompose/block_numbers.h"

#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

using text::InStr;

// Assigns value to target only when it is not empty.
void set_if_any(std::u16string& target, std::u16string_view value) {
  if (!value.empty()) target.assign(value);
}

// The characters strictly between 1-based positions a and b, in either order.
std::u16string_view between(std::u16string_view s, int a, int b) {
  if (a > b) std::swap(a, b);
  return text::mid_view(s, a + 1, b - a - 1);
}

// Part 7 holds what follows a dash; a further dash moves its rest to part 9.
void split_fourth_number(std::u16string& part7, std::u16string& part9) {
  const int q = InStr(part7, u"-");
  if (q == 0) return;
  part9.assign(text::mid_view(part7, q + 1));
  part7.resize(q - 1);
}

}  // namespace

void no_to_dash(std::u16string& text, int p) {
  if (p == 0) return;
  const std::u16string_view w = text::trim_view(text);
  const int L = text::Len(w);
  if (!(1 < p && p < L && (digit_at(w, p - 1) || digit_at(w, p + 1)))) return;
  std::u16string changed(text::left_view(w, p - 1));
  changed += u'-';
  changed += text::mid_view(w, p + 1);
  text = std::move(changed);
}

void parse_block_numbers(Decomposition& d, std::u16string s, int chome_flag, int ban_flag,
                         int go_flag) {
  DecompositionSlot& slot = d.current();
  auto& part = slot.addr_part;

  // Preparation: の (and the half-width ﾉ) between numbers becomes a dash.
  if (!contains(s, u"その他")) no_to_dash(s, InStr(s, u"の"));
  if (const int p = InStr(s, u"ﾉ"); p != 0) no_to_dash(s, p);

  // Markers.
  int t = 0;
  int t2 = 0;
  if (chome_flag != 0) {
    t = InStr(s, u"丁");
    t2 = InStr(s, u"丁目");
    if (t2 == 0) t2 = InStr(s, u"丁町");
    if (t2 == 0) t2 = InStr(s, u"地割");
  }
  int b = ban_flag != 0 ? InStr(s, u"番") : 0;
  int g = go_flag != 0 ? InStr(s, u"号") : 0;
  int dash = InStr(s, u"-");
  const int L = text::Len(s);

  // Consistency, in this order.
  if (t != 0 && b < t) b = 0;
  if (t != 0 && g < t) g = 0;
  if (t != 0 && g < b) g = 0;
  if (t != 0 && dash < t) dash = 0;
  if (dash != 0 && b > dash) b = 0;
  if (dash != 0 && g > dash) g = 0;

  if (L == 0) return;
  if (t == 0 && b == 0 && g == 0 && dash == 0) {
    // A bare number is the 番地; a text without one only clears part 5 below.
    if (const double value = text::Val(s); value != 0) {
      part[6] = plain_number(value);
      return;
    }
  }

  // First characters after the 丁 marker and after the 番 marker.
  const int after_chome = t2 != 0 ? t2 + 2 : t + 1;
  const int banchi = InStr(s, u"番地");
  const int after_ban = banchi != 0 ? banchi + 2 : b + 1;
  const std::u16string_view rest_after_ban = text::mid_view(s, banchi != 0 ? banchi + 2 : b + 1);

  if (t != 0) {
    set_left(part[5], s, t - 1);
    if (b != 0) {
      if (b > after_chome) set_mid(part[6], s, after_chome, b - after_chome);
      if (g != 0) {
        set_mid(part[7], s, after_ban, g - after_ban);
        if (g < L) set_mid(part[8], s, g + 1);
        if (dash != 0) {
          if (dash - after_chome >= 0) {
            set_if_any(part[6], text::mid_view(s, after_chome, dash - after_chome));
          }
          set_if_any(part[7], between(s, dash, b));
          set_if_any(part[8], rest_after_ban);
        }
      } else {
        set_if_any(part[7], rest_after_ban);
        if (!part[7].empty() && part[7][0] == u'-') part[7].erase(0, 1);
      }
    } else if (g != 0) {
      set_mid(part[7], s, after_chome, g - after_chome);
      if (g < L) set_mid(part[8], s, g + 1);
    } else if (dash != 0) {
      if (dash - after_chome >= 0) {
        set_if_any(part[6], text::mid_view(s, after_chome, dash - after_chome));
      }
      if (dash < L) {
        set_mid(part[7], s, dash + 1);
        split_fourth_number(part[7], part[9]);
        if (const int ban = InStr(part[7], u"番"); ban != 0) {
          const int ban_chi = InStr(part[7], u"番地");
          part[8].assign(text::mid_view(part[7], ban_chi != 0 ? ban_chi + 2 : ban + 1));
          part[7].resize(ban - 1);
        }
      }
    } else {
      set_if_any(part[6], text::mid_view(s, after_chome));
    }
    return;
  }

  part[5].clear();
  if (b != 0) {
    set_left(part[6], s, b - 1);
    if (g != 0) {
      set_mid(part[7], s, after_ban, g - after_ban);
      if (g < L) set_mid(part[8], s, g + 1);
    } else if (banchi != 0) {
      set_if_any(part[7], rest_after_ban);
    } else if (!rest_after_ban.empty()) {
      part[7].assign(rest_after_ban[0] == u'-' ? rest_after_ban.substr(1) : rest_after_ban);
    }
  } else if (g != 0) {
    set_left(part[7], s, g - 1);
    if (g < L) set_mid(part[8], s, g + 1);
  } else if (dash != 0) {
    const int second = InStr(dash + 1, s, u"-");
    if (second != 0) {
      set_left(part[5], s, dash - 1);
      set_mid(part[6], s, dash + 1, second - dash - 1);
      set_mid(part[7], s, second + 1);
      split_fourth_number(part[7], part[9]);
    } else {
      set_left(part[6], s, dash - 1);
      set_mid(part[7], s, dash + 1);
    }
  }
}

void parse_dash_numbers(Decomposition& d, std::u16string s, int first_dash, int second_dash,
                        int third_dash) {
  (void)third_dash;  // the third dash is found again where it matters
  DecompositionSlot& slot = d.current();
  auto& part = slot.addr_part;
  int& banchou = slot.addr_flag[24];
  if (banchou != 0) {
    banchou = InStr(s, u"番町");
    if (banchou != 0) {
      part[4] += text::left_view(s, banchou + 1);
      part[5].clear();
      return;
    }
  }
  std::u16string a = s;
  if (!contains(a, u"その他")) no_to_dash(a, InStr(a, u"の"));
  const int b = first_dash != 0 ? InStr(a, u"-") : 0;
  const int c = second_dash != 0 ? InStr(b + 1, a, u"-") : 0;
  if (b == 0) return;
  set_left(part[5], a, b - 1);
  if (c != 0) {
    set_mid(part[6], a, b + 1, c - b - 1);
    set_mid(part[7], a, c + 1);
    split_fourth_number(part[7], part[9]);
  } else {
    set_mid(part[6], a, b + 1);
  }
}

}  // namespace kovari::decompose
