# The packages, made from a build tree with `cpack`: on Windows a ZIP and an installer
# (cmake/PackagingWindows.cmake), elsewhere the Debian package, the program's install rules under
# /usr, its library dependencies found by dpkg-shlibdeps, and its font.
set(CPACK_PACKAGE_NAME tovalin-diagram)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn special relativity with a live space-time diagram")
# Each line of the description becomes one line of the package's control data, which keeps under
# 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "One space-time diagram shows two observers, black and red, in steady motion\n\
relative to each other: set the relative speed and the unit scale, place a rod\n\
in each system, move the time and click any event to read each observer's\n\
clocks there.")
set(CPACK_STRIP_FILES ON) # the program's symbols serve debugging the build tree, not users
if(WIN32)
    include(cmake/PackagingWindows.cmake)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zavik quenzlar <zavik@tovalin.test>")
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Beside the libraries: the windows' font, which also stands in for the diagram's "Arial" with
    # the same metrics.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tovalin-diagram_1.0.0_amd64.deb
endif()
include(CPack)
