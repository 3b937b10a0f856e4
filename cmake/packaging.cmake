# A Debian package of what `cmake --install` puts in place, with its dependencies computed from
# the libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME molen)
set(CPACK_PACKAGE_VENDOR "The Molen developers")
set(CPACK_PACKAGE_CONTACT "The Molen developers <molen@molen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Four sails turn with the wind and drive the runner stone through a gear; sliders set the \
wind, the transmission ratio and the diameter of the stone, and a button works the brake.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY molen)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, where dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The native platform plugin for Wayland desktops; the captions' face is built into the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
