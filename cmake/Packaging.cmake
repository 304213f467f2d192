# Installation and the Debian package. The programs install themselves to bin/
# (app/qt and cli), the map renderer that vellmora-cli opens to lib/vellmora/
# (cli/renderer); this adds the desktop entry, the icon, the AppStream metainfo,
# the manual pages, the copyright file and the changelog, and sets up CPack:
#   cmake --install BUILD --prefix PREFIX
#   (cd BUILD && cpack -G DEB)      -> vellmora_<version>_<arch>.deb, installs to /usr
# scripts/check-package.sh builds the package and checks it with lintian.
set(VELLMORA_PACKAGE_MAINTAINER "Vellmora developers <vellmora@example.org>"
    CACHE STRING "Maintainer of the Debian package, as in packaging/changelog")
set(VELLMORA_APPSTREAM_ID org.example.vellmora)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/vellmora.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vellmora.svg DESTINATION share/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${VELLMORA_APPSTREAM_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${VELLMORA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${VELLMORA_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/vellmora)

# Manual pages and the changelog are installed gzip-compressed at the highest
# level and without a time stamp, as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_documents)
function(vellmora_compressed_document source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${compressed} COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${compressed}
                     DEPENDS ${source} VERBATIM)
  install(FILES ${compressed} DESTINATION ${destination})
  set(compressed_documents ${compressed_documents} ${compressed} PARENT_SCOPE)
endfunction()
foreach(program vellmora vellmora-cli)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${program}.1.in ${PROJECT_BINARY_DIR}/packaging/${program}.1
                 @ONLY)
  vellmora_compressed_document(${PROJECT_BINARY_DIR}/packaging/${program}.1 share/man/man1)
endforeach()
vellmora_compressed_document(${PROJECT_SOURCE_DIR}/packaging/changelog share/doc/vellmora)
add_custom_target(vellmora_documents ALL DEPENDS ${compressed_documents})

set(CPACK_PACKAGE_NAME vellmora)
set(CPACK_PACKAGE_VENDOR "Vellmora")
set(CPACK_PACKAGE_CONTACT "${VELLMORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The extended description under the summary: lines of at most 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lists the annular, annular-total and total solar eclipses of the years 1000
to 3000, draws the central line of a chosen eclipse on a globe and tells what
an observing place sees: the kind of eclipse, magnitude, obscuration and the
contact times. German user interface; vellmora-cli gives the same results on
the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)
# Qt 6 (with its SVG module for the window icon), zlib and libxml2 (the KML
# and GPX writer) at run time, Qt's platform plugins (xcb, offscreen), its
# German translations for its own dialogs and a font that stands in for
# Verdana; the date library's time zones, ICU and the tz database for civil
# time; C and C++ run-times of the compiler it was built with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), libqt6svg6 (>= 6.2), zlib1g, libxml2, \
qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, libdate-tz3, libicu72, tzdata, libc6, libstdc++6")
include(CPack)
