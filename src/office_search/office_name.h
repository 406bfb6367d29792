// The normal form of an office name, in which the office-name table of the
// detail file stores its names and the search compares the typed text: a
// typed "株式会社　ジェイ・アール・ティー" finds the office stored as
// "ジエイアールテイー".
#pragma once

#include <span>
#include <string>

namespace kovari::office_search {

// seikika1: every blank (half-width or full-width) and every "・" removed,
// and each small kana (ァ ィ ゥ ェ ォ ヶ ッ ャ ュ ョ) replaced by its large form.
void seikika1(std::u16string& s);

// seikika2: the text trimmed, then the first occurrence of each word of the
// word table (in table order) removed; each word at most once.
void seikika2(std::u16string& s, std::span<const std::u16string> words);

}  // namespace kovari::office_search
