# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The header-only libraries the model reads and writes numbers with, as the targets
# FastFloat::fast_float and fmt::fmt-header-only.
if(NOT EMSCRIPTEN AND NOT MINGW)
    find_package(FastFloat REQUIRED)
    find_package(fmt REQUIRED)
else()
    # Emscripten and MinGW compile against a C library of their own, which the host's include
    # folder would hide: the host's copies of the two libraries are reached through a folder that
    # holds only them.
    set(headers ${CMAKE_BINARY_DIR}/number-libraries)
    file(MAKE_DIRECTORY ${headers})
    foreach(header fast_float/fast_float.h fmt/format.h)
        cmake_path(GET header PARENT_PATH library)
        find_path(${library}_include_dir ${header} PATHS /usr/local/include /usr/include
                  NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        file(CREATE_LINK ${${library}_include_dir}/${library} ${headers}/${library} SYMBOLIC)
    endforeach()
    add_library(FastFloat::fast_float INTERFACE IMPORTED)
    add_library(fmt::fmt-header-only INTERFACE IMPORTED)
    set_target_properties(FastFloat::fast_float fmt::fmt-header-only
        PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${headers})
    # The model formats no number by locale: without one fmt leaves out <locale>, and with it
    # every facet of the C++ library, a third of the web page's module.
    set_target_properties(fmt::fmt-header-only
        PROPERTIES INTERFACE_COMPILE_DEFINITIONS "FMT_HEADER_ONLY=1;FMT_STATIC_THOUSANDS_SEPARATOR=','")
endif()
