# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's start-up from outside: its options, Qt's own, and a machine with no display.
# Run as: cmake -DMOLEN=<program> -DVERSION=<version> -P startup_test.cmake

function(run_molen)
    cmake_parse_arguments(RUN "" "" "ENV;ARGS" ${ARGN})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${RUN_ENV}
                ${MOLEN} ${RUN_ARGS}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    set(status "${status}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

macro(fail what)
    message(SEND_ERROR "${what}\n  status: ${status}\n  stdout: ${out}\n  stderr: ${err}")
endmacro()

# --version and --help answer without a display.
run_molen(ARGS --version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "molen ${VERSION}\n")
    fail("--version prints the name and version")
endif()
run_molen(ARGS --help)
string(FIND "${out}" "--version" version_listed)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: " OR version_listed EQUAL -1 OR err)
    fail("--help prints the usage")
endif()

# No display: one line that says so and how to run anyway, status 1, no abort.
run_molen(ENV QT_QPA_PLATFORM=xcb)
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT status EQUAL 1 OR NOT lines EQUAL 1 OR NOT err MATCHES "xvfb-run" OR out)
    fail("no display gives one line and status 1")
endif()

# A word after one dash is one of Qt's options, not a run of our letters: "-reverse" holds a "v".
run_molen(ENV QT_QPA_PLATFORM=xcb ARGS -reverse)
if(NOT status EQUAL 1 OR NOT err MATCHES "xvfb-run" OR out)
    fail("-reverse is Qt's option, not --version")
endif()

# Qt takes its own options; anything else is refused before a window opens.
run_molen(ENV XDG_RUNTIME_DIR=${CMAKE_CURRENT_BINARY_DIR} ARGS -platform offscreen --bogus)
if(NOT status EQUAL 1 OR NOT err MATCHES "bogus" OR err MATCHES "'platform'")
    fail("an unknown option is refused, -platform is Qt's")
endif()
run_molen(ENV QT_QPA_PLATFORM=offscreen ARGS stray)
if(NOT status EQUAL 1 OR NOT err MATCHES "stray")
    fail("an argument is refused")
endif()
