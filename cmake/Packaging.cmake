# Installation and the Debian package. The programs install themselves to bin/
# (app/qt and cli), the map renderer that vellmora-cli opens to lib/vellmora/
# (cli/renderer); this adds the desktop entry and the icon, and sets up CPack:
#   cmake --install BUILD --prefix PREFIX
#   (cd BUILD && cpack -G DEB)      -> vellmora_<version>_<arch>.deb, installs to /usr
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vellmora.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vellmora.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME vellmora)
set(CPACK_PACKAGE_VENDOR "Vellmora")
set(CPACK_PACKAGE_CONTACT "Vellmora developers <vellmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Lists the annular and total solar eclipses of the years 1000 to 3000, draws the central line of a chosen \
eclipse on a globe and tells what an observing place sees. German user interface; vellmora-cli gives the same \
results on the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)
# Qt 6 and zlib at run time, Qt's platform plugins (xcb, offscreen) and a font
# that stands in for Verdana; C and C++ run-times of the compiler it was built with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), zlib1g, qt6-qpa-plugins, \
fonts-dejavu-core, libc6, libstdc++6")
include(CPack)
