# kovari_fixture(NAME KEN_ALL file JIGYOSYO file): a tiny postal data set built
# by kovari-mkdata at build time from hand-written CSV lines. The CSV sources
# are UTF-8 (readable in review); they are converted to Shift-JIS, as the
# official files are, before the builder reads them. The four .dat files land
# in ${CMAKE_BINARY_DIR}/fixtures/NAME/, target kovari_fixture_NAME builds them.
#
# Tests find the fixtures through KOVARI_FIXTURE_ROOT (a compile definition
# for every target below the top-level directory) and depend on a fixture with
# kovari_use_fixture(test_target NAME).
set(KOVARI_FIXTURE_ROOT ${CMAKE_BINARY_DIR}/fixtures)
add_compile_definitions(KOVARI_FIXTURE_ROOT="${KOVARI_FIXTURE_ROOT}")

function(kovari_fixture name)
  cmake_parse_arguments(ARG "" "KEN_ALL;JIGYOSYO" "" ${ARGN})
  set(dir ${KOVARI_FIXTURE_ROOT}/${name})
  set(ken_all ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_KEN_ALL})
  set(jigyosyo ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_JIGYOSYO})
  set(outputs ${dir}/kovaritbl.dat ${dir}/kovari2tbl.dat ${dir}/kovari3tbl.dat ${dir}/kovari4tbl.dat)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/csv
    COMMAND kovari-utf8-to-sjis ${ken_all} ${dir}/csv/KEN_ALL.CSV
    COMMAND kovari-utf8-to-sjis ${jigyosyo} ${dir}/csv/JIGYOSYO.CSV
    COMMAND kovari-mkdata --ken-all ${dir}/csv/KEN_ALL.CSV --jigyosyo ${dir}/csv/JIGYOSYO.CSV
            --out ${dir}
    DEPENDS ${ken_all} ${jigyosyo} kovari-mkdata kovari-utf8-to-sjis
    COMMENT "Building the postal data fixture ${name}"
    VERBATIM)
  add_custom_target(kovari_fixture_${name} ALL DEPENDS ${outputs})
endfunction()

# kovari_use_fixture(TARGET NAME): TARGET needs fixture NAME built first.
function(kovari_use_fixture target name)
  add_dependencies(${target} kovari_fixture_${name})
endfunction()
