#include "batch/edit_output.h"

#include <array>
#include <string_view>

#include "text/vb.h"

namespace kovari::batch {

LatestAddress LatestAddress::blank() { return {u"　", u"　", u"　", u"　"}; }

namespace {

int checked_edit_type(int edit_type) {
  return edit_type >= kMinEditType && edit_type <= kMaxEditType ? edit_type : kMinEditType;
}

}  // namespace

std::vector<std::u16string> edit_output(int edit_type, const LatestAddress& p) {
  switch (checked_edit_type(edit_type)) {
    case 2:
      return {p.part1, text::Trim(p.part2 + p.part3 + p.part4)};
    case 3:
      return {p.part1, p.part2, text::Trim(p.part3 + p.part4)};
    case 4:
      return {p.part1, p.part2, p.part3, p.part4};
    default:
      return {text::Trim(p.part1 + p.part2 + p.part3 + p.part4)};
  }
}

std::u16string edit_message(int edit_type) {
  // The item names of each edit format, one entry per appended item.
  static const std::array<std::vector<std::u16string_view>, kMaxEditType + 1> kItems = {{
      {},
      {u"都道府県名＋市区町村名＋町域名＋丁目（番地）＋ビル名"},
      {u"都道府県名＋市区町村名", u"町域名＋丁目（番地）＋ビル名"},
      {u"都道府県名＋市区町村名", u"町域名", u"丁目（番地）＋ビル名"},
      {u"都道府県名＋市区町村名", u"町域名", u"丁目（番地）", u"ビル名"},
  }};
  std::u16string sample;
  for (const std::u16string_view item : kItems[checked_edit_type(edit_type)]) {
    if (!sample.empty()) sample += u',';
    sample.append(u"\"").append(item).append(u"\"");
  }
  return sample;
}

}  // namespace kovari::batch
