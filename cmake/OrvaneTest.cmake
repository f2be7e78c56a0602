# orvane_add_test(NAME SOURCES... LIBS ...): one GoogleTest executable registered with CTest.
# The tests run in the build tree; ORVANE_SOURCE_DIR lets them find the committed data.
function(orvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ORVANE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
