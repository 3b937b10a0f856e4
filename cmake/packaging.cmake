# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of what `cmake --install` puts in place, with its dependencies computed from
# the libraries the program links, and the documents Debian asks of every package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME molen)
set(CPACK_PACKAGE_VENDOR "The Molen developers")
set(CPACK_PACKAGE_CONTACT "The Molen developers <molen@molen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as Debian's tools show them on a terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Molen shows a Dutch windmill at work. Four sails turn with the wind and"
    "drive the runner stone through a gear, and the window tells the interval"
    "between two sail passes, the stone's revolutions per minute and the speed of"
    "its rim."
    ""
    "An upright slider sets the wind, two flat ones the transmission ratio and the"
    "diameter of the stone, and a button releases and applies the brake. All of"
    "its texts are Dutch.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY molen)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, where dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The free face whose metrics let every caption fit its box as laid out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

# The package's changelog, made from CHANGELOG.md, compressed as Debian asks: at the highest
# level and without a time stamp, so that the same sources make the same package.
find_program(GZIP gzip REQUIRED)
set(debian_changelog ${PROJECT_BINARY_DIR}/debian/changelog)
molen_write_debian_changelog(${debian_changelog} ${CPACK_PACKAGE_NAME} "${CPACK_PACKAGE_CONTACT}")
execute_process(COMMAND ${GZIP} -9nkf ${debian_changelog} COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${debian_changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(BUILD_TESTING)
    # Debian's own parser reads it without a complaint and finds the project's version on top.
    find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
    add_test(NAME package_changelog_is_valid
        COMMAND ${DPKG_PARSECHANGELOG} -l ${debian_changelog} -S Version)
    set_tests_properties(package_changelog_is_valid PROPERTIES
        PASS_REGULAR_EXPRESSION "^${PROJECT_VERSION}\n$")
endif()

# The machine-readable copyright file: ours, and that of the caption face built into the
# program, taken while building from the Debian package that ships the face.
set(copyright ${PROJECT_BINARY_DIR}/debian/copyright)
add_custom_command(OUTPUT ${copyright}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/copyright.in
            -DFONT_COPYRIGHT=/usr/share/doc/fonts-liberation2/copyright -DOUTPUT=${copyright}
            -DPROJECT_NAME=${PROJECT_NAME} -DMOLEN_APP_ID=${MOLEN_APP_ID}
            "-DCPACK_PACKAGE_CONTACT=${CPACK_PACKAGE_CONTACT}"
            -P ${CMAKE_CURRENT_LIST_DIR}/debian_copyright.cmake
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_CURRENT_LIST_DIR}/debian_copyright.cmake
    COMMENT "Writing the package's copyright file"
    VERBATIM)
add_custom_target(molen_copyright ALL DEPENDS ${copyright})
install(FILES ${copyright} DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
