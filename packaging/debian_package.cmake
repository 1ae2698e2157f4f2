# The Debian package tarvek-catalog_<version>_<arch>.deb, made by `cpack` in the build folder
# from the install rules: installed under /usr, binaries stripped, dependencies found by
# dpkg-shlibdeps from the libraries the binaries link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvek-catalog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvek Products")
set(CPACK_PACKAGE_CONTACT "${TARVEK_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator and price list for Tarvek gas-handling components")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tarvek.com)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The documents open through xdg-open in the desktop's PDF viewer; without the two the document
# buttons do nothing. pdf-viewer is Debian's virtual package of the PDF viewers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, pdf-viewer")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The Tarvek Products Catalog composes the part number and list price of a
diaphragm valve, regulator, check valve, vacuum generator, fitting, actuator
or spare part from cascading choices, applies a discount, warns about
combinations that are not standard products and shows a picture of the
product or a drawing of its porting.

It opens the product brochures and maintenance sheets, and sizes a valve for
a gas flow with a Cv / flow calculator fed by a gas-property database.")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Installed as the system will hold it: DESTDIR is the package's root and the prefix is /usr,
# so the desktop entry names /usr/bin and /usr/share, not the folder the package is made in.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the install rules create on the way (usr/, usr/share/ …) get the usual modes,
# whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
