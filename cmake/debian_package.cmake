# The Debian package `momentart_<version>_amd64.deb` that `cpack` makes from
# the installed files. Its library dependencies are read from the program by
# dpkg-shlibdeps; the stamp's typeface is loaded by name at run time, so its
# package is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME momentart)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "abstract pictures made entirely by computation")
# The long description, in lines of a control file's width.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "momentart makes abstract pictures of 600 x 450 pixels from closed formulas\n"
  "of each pixel's position and its distances and angles to six random\n"
  "centres, painting them as they are computed: the moment you start a\n"
  "picture decides it. A window, and commands that render single pictures,\n"
  "batches, contact sheets and films of a picture growing (MP4, WebM, APNG,\n"
  "WebP); every PNG and film carries the recipe that makes it again.")
set(CPACK_PACKAGE_CONTACT "Tamiren <tamiren@momentart.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://momentart.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installing needs only the program and its data files, which
# scripts/package.sh builds, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
