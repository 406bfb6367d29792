// The start-up load: opens the four data files beside the program, reads
// their directories and the settings file, and fills the in-memory tables.
#pragma once

#include <filesystem>
#include <string_view>

#include "host/host.h"
#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::postaldb {

// The data files, in the order of their file numbers 10, 20, 30, 40.
inline constexpr std::string_view kMainFileName = "kovaritbl.dat";
inline constexpr std::string_view kDetailFileName = "kovari2tbl.dat";
inline constexpr std::string_view kThirdFileName = "kovari3tbl.dat";
inline constexpr std::string_view kFourthFileName = "kovari4tbl.dat";

// The caption of the window that shows the load's progress.
inline constexpr std::u16string_view kPreparingCaption = u"ソラト郵便番号　準備中!!";

// Loads everything the searches need from the folder `app_path`:
//  - opens the four files (a missing detail, third or fourth file reads as
//    empty; a missing or too short main file is an error that says how to
//    build the data) and sets data4_present;
//  - reads the main and detail directories, sets `settings` to the defaults
//    and reads the settings file `ini_path` over them (by default
//    "kovaritbl.ini" beside the data files);
//  - reads the third directory when Flag::kDetailFile is not 0, the fourth when
//    data4_present is 1, and checks that every table lies inside its file;
//  - reads the codes of the two postal-code indexes into main_codes and
//    detail_codes (their directory is made by the first look-up of a code);
//  - sets the progress range and runs the table loaders (prefectures,
//    cities, buildings, detail city positions and word table when kDetailFile
//    is not 0, ward pairs, replacement pairs, 字 words, kanji numerals),
//    moving the bar every 50 records.
// On an error `db` may be partly filled and must not be searched; the error
// names the file concerned. User replacement pairs that do not fit in the
// table are reported through host.status().
LoadStatus load_postal_db(const std::filesystem::path& app_path, PostalDb& db,
                          settings::Settings& settings, Host& host,
                          const std::filesystem::path& ini_path = {});

}  // namespace kovari::postaldb
