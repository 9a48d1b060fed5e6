# Install layout for a desktop program (FHS under the prefix) and the Debian
# package made from it by `cpack -G DEB`.
include(GNUInstallDirs)

install(TARGETS sonrel6 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${SONREL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The experiment files' type (*.sonrel), registered by the desktop's
# shared-mime-info trigger.
install(FILES packaging/${SONREL_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES packaging/${SONREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/icons/${SONREL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The ready-made examples, to open with "Открыть опыт…" or from the file manager.
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sonrel6/examples
  FILES_MATCHING PATTERN "*.sonrel")
# The licence: GPL-3.0-or-later, the full text beside the package's other documents.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sonrel6)
foreach(size 48 64 128 256)
  install(FILES packaging/icons/sonrel6-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${SONREL_APP_ID}.png)
endforeach()

set(CPACK_PACKAGE_NAME sonrel6)
set(CPACK_PACKAGE_VENDOR "Sonrel6 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulator of the Doppler effect for teaching and research")
set(CPACK_PACKAGE_DESCRIPTION
  "A signal source and a receiver move in a plane with constant velocities; the program
steps model time, detects when each wave front reaches the receiver, derives the
observed period and frequency and compares them with the Doppler formulas.
The interface is Russian.")
# (Copies of the sources without the licence, as the planted-fault check
# makes, still configure.)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sonrel6 developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt, C++ and C libraries the program links come from dpkg-shlibdeps; what it
# loads at run time is listed: the window-system plugins, the Russian texts of
# Qt's own buttons and the Cyrillic font of every canvas.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
