# Helpers shared by every folder of the suite.

# Environment of every test: offscreen Qt, exact sanitizer exit codes, leak
# suppressions for Qt and fontconfig. The leak check does not follow the
# dynamic TLS of libraries loaded later (intercept_tls_get_addr=0): with the
# JPEG plugin's libjpeg loaded, its tracer read a stale block of it and crashed
# at the end of a process (exit 99 after every test had passed); skipping
# that TLS can only add leak reports, never hide one.
set(SUITE_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=99:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
  "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tools/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "SUITE_BIN_DIR=${SUITE_BIN_DIR}"
  "SUITE_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

# suite_test(NAME <name> SOURCES <files...> LIBS <libs...> [TIMEOUT <s>])
# One GoogleTest executable, run by ctest as one test with the suite's environment.
function(suite_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} plat_test_main GTest::gtest GTest::gmock)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SUITE_TEST_BIN_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${SUITE_TEST_ENV}")
endfunction()

# suite_program(<name> <sources...>): an executable of the suite in <build>/bin.
function(suite_program name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SUITE_BIN_DIR})
endfunction()
