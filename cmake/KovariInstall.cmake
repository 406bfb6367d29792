# cmake --install lays out a desktop program under the prefix P:
#   P/bin/kovari, P/bin/kovari-cli, P/bin/kovari-mkdata
#   P/share/kovari/                      the four data files (the programs look there,
#                                        as ../share/kovari from their own folder)
#   P/share/applications/kovari.desktop
#   P/share/icons/hicolor/scalable/apps/kovari.svg
#   P/share/man/man1/kovari-cli.1.gz, kovari-mkdata.1.gz
# and cpack -G DEB packs the same tree as kovari_<version>_amd64.deb for /usr.
include(GNUInstallDirs)

set(KOVARI_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kovari)

install(TARGETS kovari-cli kovari-mkdata RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kovari)
  install(TARGETS kovari RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TARGET postal_data)
  install(FILES
    ${CMAKE_BINARY_DIR}/bin/kovaritbl.dat ${CMAKE_BINARY_DIR}/bin/kovari2tbl.dat
    ${CMAKE_BINARY_DIR}/bin/kovari3tbl.dat ${CMAKE_BINARY_DIR}/bin/kovari4tbl.dat
    DESTINATION ${KOVARI_DATA_INSTALL_DIR})
endif()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/kovari.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/ui/images/kovari.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages, with the version filled in, compressed as Debian keeps them.
find_program(KOVARI_GZIP gzip REQUIRED)
set(man_pages)
foreach(page kovari-cli kovari-mkdata)
  set(page_source ${CMAKE_BINARY_DIR}/man/${page}.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${page}.1 ${page_source} @ONLY)
  add_custom_command(
    OUTPUT ${page_source}.gz
    COMMAND ${KOVARI_GZIP} -9 -n -c ${page_source} > ${page_source}.gz
    DEPENDS ${page_source}
    COMMENT "Compressing the man page ${page}.1")
  list(APPEND man_pages ${page_source}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. dpkg-shlibdeps finds the libraries the programs link
# (Qt 6 Core/Gui/Widgets, libzip, the C++ runtime); the rest are loaded at run
# time and named here: the Qt platform plugins, the SVG support for the
# icon and pictures, and a Japanese font for the windows' text.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovari)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "kovari developers <kovari@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese postal codes to addresses and back")
set(CPACK_PACKAGE_DESCRIPTION
  "kovari converts a 7-digit Japanese postal code to its address and a free-form
Japanese address to its postal code, one at a time in windows, in bulk over
Shift-JIS text and CSV files, and by watching the clipboard. It ships a national
snapshot of Japan Post's data; kovari-mkdata --update brings in a newer one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6svg6, qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
include(CPack)
