# luvenor_add_test(NAME SOURCES ... LIBS ...): one GoogleTest executable registered with CTest.
# Tests find their data through compile definitions, never through the working directory, and
# run headless.
find_package(GTest REQUIRED)
include(GoogleTest)


function(luvenor_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    LUVENOR_SAMPLES_DIR="${LUVENOR_SAMPLES_DIR}"
    LUVENOR_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    LUVENOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  # The sanitizer options are set by scripts/test: a list here would reach the tests cut short.
endfunction()
