# The Debian package, made by `cpack -G DEB` in the build folder or by the
# `package` target: the program and its desktop files under /usr, nothing of
# the tests, benchmarks or tools.
set(ARMORIANE_MAINTENEUR "ARMORIANE maintainers <maintainers@users.noreply.c-seed-45837e1d.example>"
    CACHE STRING "Maintainer named by the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME armoriane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ARMORIANE_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reference work on heraldry, in French")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A library of coats of arms, an illustrated glossary of blazon and a"
    "dictionary of heraldry with dated quotations, each on one tab of a single"
    "window. All of it is in French and embedded in the program, which needs"
    "no network.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the component of the program and its desktop files goes into the package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};armoriane;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ARMORIANE_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, out of its sight, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
