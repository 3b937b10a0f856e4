# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The two ways a Windows user gets the program, both in the build folder: a zip of molen.exe with
# its licence texts, and an installer (MSI, made by msitools' wixl) that installs it for the user
# alone.
set(MOLEN_LICENCE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(MOLEN_FONT_LICENCE /usr/share/doc/fonts-liberation2/copyright CACHE FILEPATH
    "The licence of the built-in face, Liberation Sans")
set(package_name molen-${PROJECT_VERSION}-windows-x86_64)
set(staging ${CMAKE_CURRENT_BINARY_DIR}/${package_name})
set(MOLEN_EXE ${staging}/molen.exe)
set(zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${staging}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${staging}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:molen> ${MOLEN_EXE}
    COMMAND ${CMAKE_COMMAND} -E copy ${MOLEN_LICENCE} ${staging}/COPYING.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${MOLEN_FONT_LICENCE} ${staging}/LiberationSans-LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS molen ${MOLEN_LICENCE} ${MOLEN_FONT_LICENCE}
    COMMENT "Packing ${package_name}.zip")
set(packages ${zip})

find_program(MOLEN_WIXL wixl)
if(MOLEN_WIXL)
    configure_file(molen.wxs.in molen.wxs @ONLY)
    set(msi ${CMAKE_BINARY_DIR}/${package_name}.msi)
    add_custom_command(OUTPUT ${msi}
        COMMAND ${MOLEN_WIXL} --arch x64 -o ${msi} molen.wxs
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${zip} ${CMAKE_CURRENT_BINARY_DIR}/molen.wxs
        COMMENT "Making the installer ${package_name}.msi")
    list(APPEND packages ${msi})
else()
    message(STATUS "No wixl (Debian's wixl): no installer")
endif()
add_custom_target(molen_windows_packages ALL DEPENDS ${packages})
add_dependencies(molen_windows_packages molen_icon)
