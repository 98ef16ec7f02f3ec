# Our own code builds with every warning shown; our checks (scripts/test, CI)
# turn them into errors with PUZZLES_WERROR, other builds are not stopped by a
# new compiler's opinion.
function(puzzles_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${PUZZLES_WERROR}>:-Werror>)
endfunction()

# add_puzzle_test(name [GUI] SOURCES a.cpp b.cpp LIBS lib1 lib2)
# Declares one GoogleTest executable run by CTest. GUI tests get a main() that
# creates a QApplication and run on the offscreen platform.
function(add_puzzle_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  puzzles_warnings(${name})
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_GUI)
    target_link_libraries(${name} PRIVATE ${T_LIBS} puzzles_qt_test_main)
    # Qt's own start-up allocations (fonts, platform plugin) are not ours to free.
    list(APPEND env "ASAN_OPTIONS=detect_leaks=0")
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${env}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TIMEOUT 300)
endfunction()
