# Settings and helpers shared by every part of the Kiln build. Included by
# the top-level CMakeLists.txt before any subdirectory.
#
#   KILN_ROOT          the tool chain's base folder, staged in the build folder:
#                      bin/ (kln, bcc32, ilink32, tlib), lib/core/, lib/, samples/
#   MINGW_CXX, MINGW_AR, MINGW_WINDRES   the i686 cross tools for Windows parts
#   MINGW64_CXX        the x86-64 cross compiler, for the harness's Windows helpers
#   KILN_FIXED_FLAGS   the compiler flags shared by bcc32 and the run-time build
#   KILN_HARNESS       tests/harness in the source tree (winrun, dismiss-box, ...)
#   KILN_HARNESS_BIN   the harness's Windows helpers in the build tree
#   KILN_WINEPREFIX    the Wine prefix of this build's tests
#   KILN_DISPLAY       the Xvfb display of this build's windowed tests

include(GoogleTest)

set(KILN_ROOT ${CMAKE_BINARY_DIR}/kiln)
set(KILN_HARNESS ${CMAKE_SOURCE_DIR}/tests/harness)
set(KILN_HARNESS_BIN ${CMAKE_BINARY_DIR}/harness)
set(KILN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(KILN_SESSION_DIR ${CMAKE_BINARY_DIR}/test-session)
file(MAKE_DIRECTORY ${KILN_ROOT}/bin ${KILN_ROOT}/lib/core ${KILN_ROOT}/samples
     ${KILN_HARNESS_BIN} ${KILN_SESSION_DIR})

find_program(MINGW_CXX i686-w64-mingw32-g++ REQUIRED)
find_program(MINGW_AR i686-w64-mingw32-ar REQUIRED)
find_program(MINGW_WINDRES i686-w64-mingw32-windres REQUIRED)
find_program(MINGW64_CXX x86_64-w64-mingw32-g++ REQUIRED)

file(STRINGS ${CMAKE_SOURCE_DIR}/toolchain/fixed-flags.txt KILN_FIXED_FLAGS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/toolchain/fixed-flags.txt)

# One X display number per build folder, so builds side by side do not meet.
string(SHA1 build_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${build_hash}" 0 4 build_hash)
math(EXPR display_number "0x${build_hash} % 800 + 100")
set(KILN_DISPLAY ":${display_number}")

# The test session's environment, for scripts and for manual runs:
#   . build/test-session/env
file(WRITE ${KILN_SESSION_DIR}/env
     "export KILN_ROOT='${KILN_ROOT}'\n"
     "export KILN_HARNESS='${KILN_HARNESS}'\n"
     "export KILN_HARNESS_BIN='${KILN_HARNESS_BIN}'\n"
     "export KILN_SESSION_DIR='${KILN_SESSION_DIR}'\n"
     "export WINEPREFIX='${KILN_WINEPREFIX}'\n"
     "export WINEDEBUG=-all\n"
     "export DISPLAY='${KILN_DISPLAY}'\n"
     "export PATH='${KILN_ROOT}/bin':\"$PATH\"\n")

# kiln_host_program(<target>)
# Puts a native program of the tool chain into ${KILN_ROOT}/bin.
function(kiln_host_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KILN_ROOT}/bin)
endfunction()

# kiln_mingw_object(OUTPUT <file.obj> SOURCE <file.cpp> [FLAGS <flag>...] [DEPENDS <file>...])
# Compiles one C++ source into a Windows COFF object with MINGW_CXX and the
# KILN_FIXED_FLAGS (the flags bcc32 uses), plus FLAGS. Adds the custom
# command only; make a target depend on the OUTPUT.
function(kiln_mingw_object)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;SOURCE" "FLAGS;DEPENDS")
  get_filename_component(output_dir ${arg_OUTPUT} DIRECTORY)
  add_custom_command(
    OUTPUT ${arg_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${MINGW_CXX} -c ${KILN_FIXED_FLAGS} ${arg_FLAGS} -MD -MF ${arg_OUTPUT}.d
            -o ${arg_OUTPUT} ${arg_SOURCE}
    DEPENDS ${arg_SOURCE} ${arg_DEPENDS} ${CMAKE_SOURCE_DIR}/toolchain/fixed-flags.txt
    DEPFILE ${arg_OUTPUT}.d
    COMMENT "Compiling ${arg_SOURCE} for Windows"
    VERBATIM)
endfunction()

# kiln_mingw_executable(OUTPUT <file.exe> SOURCES <file.cpp>... [ARCH i686|x86_64]
#                       [FLAGS <flag>...] [LIBS <lib>...])
# Builds a statically linked Windows program (console unless FLAGS holds
# -mwindows) for helpers and test fixtures: i686 with MINGW_CXX (the
# default), or x86_64 with MINGW64_CXX for the helpers that tests use to
# look at windows, which must run on every host. Adds the custom command
# only; make a target depend on the OUTPUT.
function(kiln_mingw_executable)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;ARCH" "SOURCES;FLAGS;LIBS")
  if(NOT arg_ARCH OR arg_ARCH STREQUAL "i686")
    set(compiler ${MINGW_CXX})
  elseif(arg_ARCH STREQUAL "x86_64")
    set(compiler ${MINGW64_CXX})
  else()
    message(FATAL_ERROR "kiln_mingw_executable: unknown ARCH ${arg_ARCH}")
  endif()
  get_filename_component(output_dir ${arg_OUTPUT} DIRECTORY)
  add_custom_command(
    OUTPUT ${arg_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${compiler} -std=gnu++17 -O1 -static ${arg_FLAGS} -o ${arg_OUTPUT} ${arg_SOURCES} ${arg_LIBS}
    DEPENDS ${arg_SOURCES}
    COMMENT "Building the Windows program ${arg_OUTPUT}"
    VERBATIM)
endfunction()

# The fixtures of Windows tests: the Xvfb display, and the Wine prefix with
# one persistent wineserver. Each is started by its own pid before the first
# test that needs it and stopped after the last. The wineserver's session
# starts Wine's desktop process, which serves the windows of all programs of
# the session and so needs the display from the start.
set(kiln_session_environment
    WINEPREFIX=${KILN_WINEPREFIX} KILN_SESSION_DIR=${KILN_SESSION_DIR} DISPLAY=${KILN_DISPLAY}
    KILN_HARNESS_BIN=${KILN_HARNESS_BIN})
add_test(NAME kiln-xvfb-start COMMAND ${KILN_HARNESS}/xvfb-session start)
add_test(NAME kiln-xvfb-stop COMMAND ${KILN_HARNESS}/xvfb-session stop)
add_test(NAME kiln-wine-start COMMAND ${KILN_HARNESS}/wine-session start)
add_test(NAME kiln-wine-stop COMMAND ${KILN_HARNESS}/wine-session stop)
set_tests_properties(kiln-wine-start kiln-wine-stop kiln-xvfb-start kiln-xvfb-stop
                     PROPERTIES ENVIRONMENT "${kiln_session_environment}" TIMEOUT 180
                                LABELS harness)
set_tests_properties(kiln-xvfb-start PROPERTIES FIXTURES_SETUP kiln_xvfb)
set_tests_properties(kiln-xvfb-stop PROPERTIES FIXTURES_CLEANUP kiln_xvfb)
set_tests_properties(kiln-wine-start PROPERTIES FIXTURES_SETUP kiln_wine FIXTURES_REQUIRED kiln_xvfb)
set_tests_properties(kiln-wine-stop PROPERTIES FIXTURES_CLEANUP kiln_wine FIXTURES_REQUIRED kiln_xvfb)

# The environment every test gets: the staged tool chain first on PATH.
set(kiln_test_environment
    KILN_ROOT=${KILN_ROOT} KILN_HARNESS=${KILN_HARNESS} KILN_HARNESS_BIN=${KILN_HARNESS_BIN}
    "PATH=${KILN_ROOT}/bin:$ENV{PATH}")

# Every test carries two labels: its area (the folder under tests/ or bench/
# that defines it: lexer, compiler, core, ...) and how it runs: `host`
# (native only), `wine-i686` (runs 32-bit Windows programs: skipped on a
# host that cannot run i386 code), `wine-x86_64` (runs 64-bit Windows
# programs only, so on every host); windowed tests also carry `windowed`.
# `ctest -L host` runs the native tests alone, `ctest -L core` one area.
function(kiln_test_area out)
  file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "^(tests|bench)/" "" relative "${relative}")
  string(REGEX REPLACE "/.*" "" area "${relative}")
  set(${out} ${area} PARENT_SCOPE)
endfunction()

# kiln_host_test(NAME <name> COMMAND <cmd>... [WORKING_DIRECTORY <dir>] [TIMEOUT <s>])
# A native test (no Wine) with KILN_ROOT, KILN_HARNESS and PATH set so that
# kln and the front-ends are found. Default TIMEOUT 120 s.
function(kiln_host_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;WORKING_DIRECTORY;TIMEOUT" "COMMAND")
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  kiln_test_area(area)
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set_tests_properties(${arg_NAME} PROPERTIES ENVIRONMENT "${kiln_test_environment}"
                                              TIMEOUT ${arg_TIMEOUT} LABELS "${area};host")
endfunction()

# kiln_gtest(<target> PREFIX <name prefix>)
# Registers the GoogleTest cases of a native test program, named
# <prefix>.<suite>.<case>, with the labels of kiln_host_test. The cases are
# found when ctest runs; a test file included after the discovery's own
# labels them (discovery passes a list-valued property on as two words).
function(kiln_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "")
  kiln_test_area(area)
  gtest_discover_tests(${target} TEST_PREFIX ${arg_PREFIX}. DISCOVERY_MODE PRE_TEST
                       TEST_LIST ${target}_cases)
  set(labels_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_labels.cmake)
  file(WRITE ${labels_file}
       "foreach(name IN LISTS ${target}_cases)\n"
       "  set_tests_properties(\"\${name}\" PROPERTIES LABELS \"${area};host\")\n"
       "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels_file})
endfunction()

# kiln_wine_test(NAME <name> COMMAND <cmd>... [WORKING_DIRECTORY <dir>] [WINDOWED] [X86_64]
#                [TIMEOUT <s>])
# A test that runs Windows programs: the command (usually a script that
# builds with the front-ends and runs the result with ${KILN_HARNESS}/winrun)
# gets the environment of kiln_host_test plus WINEPREFIX (this build's
# prefix) and WINEDEBUG=-all, and runs while this build's persistent
# wineserver (and its Xvfb display) is up. WINDOWED tests get DISPLAY, for
# programs that open windows; use winwait-window and dismiss-box there. They
# run one at a time (the resource lock kiln_display).
# Other tests run without DISPLAY, so a window or message box that a console
# test opens by mistake fails at once instead of waiting for a click.
# A test runs 32-bit programs unless it says X86_64: such a test is skipped
# when it meets a 32-bit program on a host that cannot run one (winrun
# prints the skip line, see tests/harness/wine-lib.sh), after everything
# before that point (building its programs) has run.
# Default TIMEOUT 120 s; still run every program through winrun, which has
# its own time limit.
# Example:
#   kiln_wine_test(NAME toolchain.console COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/run-case console)
function(kiln_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "WINDOWED;X86_64" "NAME;WORKING_DIRECTORY;TIMEOUT" "COMMAND")
  set(host_arguments NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  if(arg_WORKING_DIRECTORY)
    list(APPEND host_arguments WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  endif()
  if(arg_TIMEOUT)
    list(APPEND host_arguments TIMEOUT ${arg_TIMEOUT})
  endif()
  kiln_host_test(${host_arguments})
  kiln_test_area(area)
  set_property(TEST ${arg_NAME} APPEND PROPERTY ENVIRONMENT
               WINEPREFIX=${KILN_WINEPREFIX} WINEDEBUG=-all)
  set_property(TEST ${arg_NAME} APPEND PROPERTY FIXTURES_REQUIRED kiln_wine kiln_xvfb)
  if(arg_X86_64)
    set(labels ${area} wine-x86_64)
  else()
    set(labels ${area} wine-i686)
    set_tests_properties(${arg_NAME} PROPERTIES SKIP_REGULAR_EXPRESSION "kiln-skip: "
                                                SKIP_RETURN_CODE 77)
  endif()
  if(arg_WINDOWED)
    list(APPEND labels windowed)
    set_property(TEST ${arg_NAME} APPEND PROPERTY ENVIRONMENT DISPLAY=${KILN_DISPLAY})
    # Windowed tests share one display and its pointer: one at a time, so
    # no window of another test covers the one being clicked or captured.
    set_property(TEST ${arg_NAME} PROPERTY RESOURCE_LOCK kiln_display)
  else()
    set_property(TEST ${arg_NAME} APPEND PROPERTY ENVIRONMENT_MODIFICATION DISPLAY=unset:)
  endif()
  set_tests_properties(${arg_NAME} PROPERTIES LABELS "${labels}")
endfunction()
