# cpack -G DEB in the build folder makes the Debian package of all three programs. The description
# below follows the summary, which cpack puts first.
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "Quillet")
set(CPACK_PACKAGE_CONTACT "Quillet developers <developers@quillet.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stock and sales book for a small business, with its invoice print link")
set(CPACK_PACKAGE_HOMEPAGE_URL ${QUILLET_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillet keeps products, customers, vendors and the own company's profile,
posts purchases, sales and stock corrections, and shows stock on hand and a
moving average cost re-derived from each product's dated history, the
register of every stock movement with the running inventory value and six
reports saved as CSV. quillet-cli works on the same book from the command
line. Pressling, started with the desktop session, prints the invoices and
purchase orders Quillet sends.")
# The libraries the programs link are found by dpkg-shlibdeps; Qt's platform plugins (the window
# on X11 and Wayland) are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups")
# The autostart entry is configuration an administrator may edit (or disable with Hidden=true).
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/xdg/autostart/${PRESSLING_APP_ID}.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake)
include(CPack)
