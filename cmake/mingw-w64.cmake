# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for 64-bit Windows with Debian's MinGW-w64, its POSIX-threads flavour (the one
# whose C++ library has std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One file to copy: the C and C++ runtimes and winpthreads linked in, no DLL beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The tests run under Wine, where it can start.
find_program(MOLEN_WINE NAMES wine64 wine)
if(MOLEN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MOLEN_WINE})
endif()
