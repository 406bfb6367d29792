# kovari_module(NAME DEPENDS dep...): a static engine library from the .cpp files of src/NAME.
function(kovari_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(kovari_${name} STATIC ${sources})
    target_include_directories(kovari_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    set(visibility PUBLIC)
  else()
    add_library(kovari_${name} INTERFACE)
    target_include_directories(kovari_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    set(visibility INTERFACE)
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(kovari_${name} ${visibility} kovari_${dep})
  endforeach()
endfunction()

# kovari_test(NAME DEPENDS module...): one GoogleTest program from the .cpp files of tests/NAME.
function(kovari_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  # Tests stay in their own folder, out of the program's folder.
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_include_directories(test_${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  # Tests read their tables (tests/NAME/*.tsv) from the source tree, and the
  # national data files from the build's program folder (when it made them).
  target_compile_definitions(test_${name} PRIVATE KOVARI_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                  KOVARI_DATA_DIR="${CMAKE_BINARY_DIR}/bin")
  target_link_libraries(test_${name} PRIVATE GTest::gtest_main)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(test_${name} PRIVATE ${dep})
  endforeach()
  if(TARGET postal_data)
    add_dependencies(test_${name} postal_data)
  endif()
  gtest_discover_tests(test_${name}
    TEST_PREFIX "${name}."
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
