# The Debian package (scripts/package.sh): everything `cmake --install` puts under
# /usr. The libraries it needs are found by dpkg-shlibdeps; what the editor only
# loads at run time (the SQLite driver of the symbol databases, the fonts the
# labels are laid out with) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vendrel)
set(CPACK_PACKAGE_VENDOR Morvantic)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Morvantic <support@morvantic.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-oriented editor for pipe-marker labels")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvantic <support@morvantic.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morvantic.com/")
# The summary above is the first line; CPack indents these lines below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vendrel lays out and prints the labels that mark pipes: pipe markers,
ammonia pipe markers and arrow wraps. The user types the legend, picks the
pipe diameter, size, colours and arrows, sees the label drawn with warnings
about anything that will not print well, saves it and prints it.

The package also holds vendrel-render, which draws label files to PNG, PDF
or SVG without a display.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor's own library ships in the package; dpkg-shlibdeps is told where the
# build keeps it, so it is not looked for in another package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/module")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
