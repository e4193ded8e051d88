# The Debian package that `cpack -G DEB` makes from the install rules. Its dependencies are
# worked out from the libraries the program links (dpkg-shlibdeps), so they follow the system
# it was built on.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnholt-reader)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Oskeldan)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read-only viewer for exported project schedules")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Opens a project schedule exported as an XER text file or as an .xls workbook\n\
and shows its activities under their work breakdown structure beside a Gantt\n\
chart, with tables of projects, resources, the OBS and roles, detail panes,\n\
filters, printing and copying to the clipboard. Nothing is ever written back\n\
to the schedule.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Oskeldan <${VARNHOLT_MAINTAINER_EMAIL}>")
if(VARNHOLT_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNHOLT_HOMEPAGE})
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# varnholt-reader_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Control files with the modes Debian expects, whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
