# Installing like a desktop program, and the Debian package made from it.
#
# <libdir>/qintara/ is a complete program folder (the executable, the audio
# module it loads from beside itself, and the shipped data), bin/qintara a
# link to its executable; the menu entry, the icons and the AppStream data go
# where desktops look for them. A program folder installed this way cannot be
# written by its users, so their accounts go to their own data folder.
include(GNUInstallDirs)

set(QINTARA_APP_ID org.qintara.Qintara)
set(QINTARA_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/qintara)
set(QINTARA_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS qintara RUNTIME DESTINATION ${QINTARA_INSTALL_PROGRAM_DIR})
install(TARGETS qintara_audio qintara_music LIBRARY DESTINATION ${QINTARA_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${QINTARA_DATA_DIR}/ DESTINATION ${QINTARA_INSTALL_PROGRAM_DIR})

# A relative link, so the tree can be moved (DESTDIR, the package). The
# program finds its folder through the link (/proc/self/exe).
file(RELATIVE_PATH qintara_link_target /${CMAKE_INSTALL_BINDIR} /${QINTARA_INSTALL_PROGRAM_DIR}/qintara)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  message(STATUS \"Installing: \${bin}/qintara -> ${qintara_link_target}\")
  file(CREATE_LINK \"${qintara_link_target}\" \"\${bin}/qintara\" SYMBOLIC)
")

configure_file(${QINTARA_PACKAGING_DIR}/${QINTARA_APP_ID}.desktop.in
               ${CMAKE_BINARY_DIR}/packaging/${QINTARA_APP_ID}.desktop @ONLY)
configure_file(${QINTARA_PACKAGING_DIR}/${QINTARA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${QINTARA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QINTARA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QINTARA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Drawn by tools/pictures/draw_icons.
install(DIRECTORY ${QINTARA_PACKAGING_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# cpack -G DEB (in the build folder) makes qintara_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qintara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Qintara developers")
set(CPACK_PACKAGE_CONTACT "Qintara developers <qintara@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing tutor for Wubi, pinyin and English")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Qintara developers <qintara@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "typing tutor for Wubi, pinyin and English
 Drills of letters, words, characters, phrases and numbers, whole articles
 judged character by character, Wubi codes and radicals of the next
 character, an on-screen keyboard, spoken English words, saved results with
 tables and charts, and three typing games.")
# The shared libraries both binaries link come from dpkg-shlibdeps; what the
# program opens by name at run time it cannot see: the speech voices, the
# Chinese font, the SQLite driver and the X11 platform plugin of Qt.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, fonts-wqy-microhei, libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
