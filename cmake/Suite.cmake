# Build helpers shared by every folder.

find_program(SUITE_CCACHE ccache)
if(SUITE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  # pch_defines/time_macros let ccache serve objects built with a precompiled header.
  set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_SLOPPINESS=pch_defines,time_macros ${SUITE_CCACHE})
endif()

# GCC leaves float-cast-overflow (a double converted to an integer it does not fit) out of
# "undefined", so it is named; every UBSan report ends the run instead of scrolling by.
if(SUITE_FUZZ)
  # Libraries get coverage instrumentation; only the fuzz executables link libFuzzer itself.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
elseif(SUITE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

# A precompiled Qt header saves most of a widgets file's compile time.
function(suite_use_pch target header)
  target_precompile_headers(${target} PRIVATE ${header})
endfunction()

# suite_add_test(NAME SOURCES files... [GUI] [LINKS libs...] [SERVICES services...]
#                [RUNS set...])
#   GUI      - the shared main creates a QApplication (offscreen) instead of a QCoreApplication
#   SERVICES - the test runs inside tests/with-services, which starts the named services for
#              this run only and stops them afterwards: x11 (a private Xvfb), wm (openbox),
#              tray (an XEmbed tray host), sni-tray (a StatusNotifier host), clipboard-manager
#              (CopyQ), audio (a PulseAudio null sink), atspi (the accessibility bus), speechd
#              (speech-dispatcher on a private socket, playing into that null sink), wayland
#              (a headless sway with XWayland and xdg-desktop-portal; it excludes the X11
#              ones). Such tests run as one ctest entry; the
#              others are discovered test by test.
#   RUNS     - the same executable once per set of services, each set written as services
#              joined by "+" (x11+wm+tray); each run is the ctest entry NAME.with_SET, with
#              the "+" as "_".
function(suite_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LINKS;SERVICES;RUNS" ${ARGN})
  if(NOT T_SOURCES)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_GUI)
    target_link_libraries(${name} PRIVATE suite_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE suite_test_main_core)
  endif()
  target_link_libraries(${name} PRIVATE suite_fakes ${T_LINKS} Qt6::Test GTest::gtest GTest::gmock)
  set(env "SPRACHAUSGABE_SYSTEM_DIR=${SUITE_DATA_DIR}" "SPRACHAUSGABE_AUDIO=null")
  if(T_SERVICES)
    suite_add_service_run(${name} ${name} ${T_SERVICES})
  endif()
  foreach(run ${T_RUNS})
    string(REPLACE "+" ";" run_services "${run}")
    string(REPLACE "+" "_" run_label "${run}")
    suite_add_service_run(${name} ${name}.with_${run_label} ${run_services})
  endforeach()
  if(NOT T_SERVICES AND NOT T_RUNS)
    # The executable's name leads each test's name, so `ctest -R core` picks a layer.
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "${env};QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  endif()
endfunction()

# One ctest entry that runs the executable `target` inside tests/with-services.
function(suite_add_service_run target test_name)
  set(flags "")
  foreach(s ${ARGN})
    list(APPEND flags "--${s}")
  endforeach()
  add_test(NAME ${test_name}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/with-services ${flags} -- $<TARGET_FILE:${target}>)
  set_tests_properties(${test_name} PROPERTIES
    ENVIRONMENT "SPRACHAUSGABE_SYSTEM_DIR=${SUITE_DATA_DIR}" TIMEOUT 600)
endfunction()

# suite_add_fuzz(NAME SOURCE file LINKS libs... CORPUS dir)
#   With SUITE_FUZZ (clang): a libFuzzer executable NAME_fuzz.
#   Always: NAME_replay, built with the normal compiler, replays every file of the corpus
#   under ctest, so the parser meets its corpus on every build.
function(suite_add_fuzz name)
  cmake_parse_arguments(F "" "SOURCE;CORPUS" "LINKS" ${ARGN})
  if(SUITE_FUZZ)
    add_executable(${name}_fuzz ${F_SOURCE})
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined,float-cast-overflow)
    target_link_libraries(${name}_fuzz PRIVATE ${F_LINKS})
    set_target_properties(${name}_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  elseif(SUITE_TESTS)
    add_executable(${name}_replay ${F_SOURCE} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${F_LINKS} Qt6::Core)
    set_target_properties(${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${F_CORPUS})
  endif()
endfunction()
