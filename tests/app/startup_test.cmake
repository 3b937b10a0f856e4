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

# --help-all lists Qt's options too, and needs no display for it.
run_molen(ARGS --help-all)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: " OR NOT out MATCHES "-platform" OR err)
    fail("--help-all prints the usage with Qt's options")
endif()

# Without a display an unknown option is still refused as such, and no display is mentioned.
run_molen(ARGS --bogus)
if(NOT status EQUAL 1 OR NOT err MATCHES "bogus" OR err MATCHES "xvfb-run|display" OR out)
    fail("an unknown option is refused without a display")
endif()
run_molen(ENV QT_QPA_PLATFORM=xcb ARGS -reverse --bogus)
if(NOT status EQUAL 1 OR NOT err MATCHES "bogus" OR err MATCHES "xvfb-run|reverse" OR out)
    fail("an unknown option beside Qt's is refused without a display")
endif()
run_molen(ARGS stray)
if(NOT status EQUAL 1 OR NOT err MATCHES "stray" OR err MATCHES "xvfb-run" OR out)
    fail("an argument is refused without a display")
endif()

# An option of one platform's own ("-name" is the X11 platform's) is that platform's to take,
# with a display or without.
run_molen(ENV QT_QPA_PLATFORM=xcb ARGS -name Molen --bogus)
if(NOT status EQUAL 1 OR NOT err MATCHES "bogus" OR err MATCHES "'name'|xvfb-run" OR out)
    fail("-name is the X11 platform's option without a display too")
endif()
run_molen(ENV QT_QPA_PLATFORM=xcb ARGS -name Molen)
if(NOT status EQUAL 1 OR NOT err MATCHES "xvfb-run" OR err MATCHES "'name'" OR out)
    fail("-name without a display gives the line that says so")
endif()

# Qt's options with the words that ask: Qt takes its own, the program answers.
run_molen(ARGS -reverse --version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "molen ${VERSION}\n" OR err)
    fail("--version beside one of Qt's options")
endif()
