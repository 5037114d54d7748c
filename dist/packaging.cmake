# "cpack -G DEB" in a build folder makes a Debian package of what
# "cmake --install" puts under /usr.  The runtime dependencies (Qt, the C++
# library) are read from the program by dpkg-shlibdeps; the menu, icon and
# MIME caches are refreshed by the triggers of the packages that own them.
set(CALORIX_PACKAGE_MAINTAINER "The CALORIX developers <calorix@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_PACKAGE_NAME calorix)
set(CPACK_PACKAGE_VENDOR "CALORIX")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat conduction by the finite-difference method")
set(CPACK_PACKAGE_CONTACT ${CALORIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${CALORIX_WEB_ADDRESS})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The first line of the package description is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "CALORIX is an educational program: a student describes a plane wall or a\n"
    "rectangular plate, steady or transient, with constant-temperature,\n"
    "heat-flux or convection sides, and reads the computed temperatures as a\n"
    "table, a chart, a shaded picture and an animation over the time steps.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
include(CPack)
