# A Debian package of the Linux program: dependencies come from the linked
# libraries, plus the font that the window's Times New Roman resolves to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME revolutions-quiz)
set(CPACK_PACKAGE_VENDOR "Велмора")
set(CPACK_PACKAGE_CONTACT "Велмора <quiz@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Matching quiz of revolutions, countries and years (Bulgarian)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
