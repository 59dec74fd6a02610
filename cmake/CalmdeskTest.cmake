# SPDX-License-Identifier: GPL-3.0-or-later
# calmdesk_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI])
#
# One test program run by ctest: Qt's offscreen platform, and a fresh set of XDG
# folders made by the test's own main (tests/support), so no test ever sees the
# real home. GUI tests link Qt Widgets and get a QApplication.
function(calmdesk_add_test)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE calmdesk_testsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen"
          "CALMDESK_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
          "CALMDESK_BINARY_DIR=${PROJECT_BINARY_DIR}"
          "QTWEBENGINE_DISABLE_SANDBOX=1")
  if(CALMDESK_SANITIZE)
    list(APPEND env
         "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1"
         "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0"
         "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()
