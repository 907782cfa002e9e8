# The packages, made from a build tree with `cpack`: on Windows a ZIP and an installer
# (cmake/PackagingWindows.cmake), elsewhere the Debian package, the program's install rules under
# /usr, its library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tovalin-diagram)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn special relativity with a live space-time diagram")
set(CPACK_PACKAGE_DESCRIPTION
    "One space-time diagram shows two observers, black and red, in steady motion relative to each \
other: set the relative speed and the unit scale, place a rod in each system, move the time and \
click any event to read each observer's clocks there.")
if(WIN32)
    include(cmake/PackagingWindows.cmake)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zavik quenzlar <zavik@tovalin.test>")
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tovalin-diagram_1.0.0_amd64.deb
endif()
include(CPack)
