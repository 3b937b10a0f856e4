# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The one table of bad input, tests/data/bad_input.json, read when the build is configured: an
# array of {"name", "text"}, or {"name", "repeat", "times"} for `repeat` written `times` times.
# The window's tests and the fuzzers' seeds are made from it; editing it configures again.
set(MOLEN_BAD_INPUT ${CMAKE_CURRENT_LIST_DIR}/../tests/data/bad_input.json)

# Entry `index` of the table `json` as <prefix>_NAME, <prefix>_REPEAT (the text, or the part
# repeated) and <prefix>_TIMES (1 for a text).
function(molen_bad_input_entry json index prefix)
    string(JSON name GET "${json}" ${index} name)
    string(JSON text ERROR_VARIABLE no_text GET "${json}" ${index} text)
    if(no_text)
        string(JSON text GET "${json}" ${index} repeat)
        string(JSON times GET "${json}" ${index} times)
    else()
        set(times 1)
    endif()
    set(${prefix}_NAME "${name}" PARENT_SCOPE)
    set(${prefix}_REPEAT "${text}" PARENT_SCOPE)
    set(${prefix}_TIMES "${times}" PARENT_SCOPE)
endfunction()

# Calls `command(NAME REPEAT TIMES)` for every entry, in order; a macro, so that the command
# sets its results in the scope of the caller.
macro(molen_for_each_bad_input command)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MOLEN_BAD_INPUT})
    file(READ ${MOLEN_BAD_INPUT} json)
    string(JSON count LENGTH "${json}")
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        molen_bad_input_entry("${json}" ${index} entry)
        cmake_language(CALL ${command} "${entry_NAME}" "${entry_REPEAT}" "${entry_TIMES}")
    endforeach()
endmacro()

# Writes the table as C++ initialisers {"name", "repeat", times}, one a line, every byte of a
# text escaped so that any text survives as it is.
function(molen_write_bad_input_rows file)
    set(rows "")
    function(molen_bad_input_row name repeat times)
        string(HEX "${repeat}" hex)
        string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${hex}")
        set(rows "${rows}{\"${name}\", \"${escaped}\", ${times}},\n" PARENT_SCOPE)
    endfunction()
    molen_for_each_bad_input(molen_bad_input_row)
    file(CONFIGURE OUTPUT ${file} CONTENT "${rows}" @ONLY)
endfunction()

# Writes every entry's text into `folder`, one file named after the entry.
function(molen_write_bad_input_files folder)
    function(molen_bad_input_file name repeat times)
        string(REPEAT "${repeat}" ${times} text)
        file(WRITE ${folder}/${name} "${text}")
    endfunction()
    molen_for_each_bad_input(molen_bad_input_file)
endfunction()
