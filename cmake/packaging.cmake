# Installing like a desktop game: programs, shipped data, desktop entry,
# icons, AppStream metadata and manual pages; `cpack -G DEB` packs the same.
include(GNUInstallDirs)

set(QUILLO_APP_ID "io.github.quillotaire.quillotaire" CACHE STRING "Reverse-DNS id of the desktop entry and AppStream file")
set(QUILLO_MAINTAINER "Quillotaire developers <quillotaire@users.noreply.github.com>" CACHE STRING "Package maintainer")
# AppStream accepts screenshots only as web addresses. With this set to the
# web folder holding build/screenshots/*.png, the AppStream file names them.
set(QUILLO_SCREENSHOT_URL "" CACHE STRING "Web folder of the AppStream screenshots; none when empty")

target_compile_definitions(quillotaire PRIVATE QUILLO_APP_ID="${QUILLO_APP_ID}")
# Debian's hardening: relocations resolved at start and then read-only.
target_link_options(quillotaire PRIVATE -Wl,-z,relro,-z,now)
target_link_options(quillo-tool PRIVATE -Wl,-z,relro,-z,now)

set(QUILLO_STAGE ${CMAKE_BINARY_DIR}/stage)
set(QUILLO_SCREENSHOTS_XML "")
if(QUILLO_SCREENSHOT_URL)
  string(CONCAT QUILLO_SCREENSHOTS_XML
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A dealt game of Klondike</caption>\n"
    "      <image>${QUILLO_SCREENSHOT_URL}/table.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(data/quillotaire.desktop.in ${QUILLO_STAGE}/${QUILLO_APP_ID}.desktop @ONLY)
configure_file(data/quillotaire.metainfo.xml.in ${QUILLO_STAGE}/${QUILLO_APP_ID}.metainfo.xml @ONLY)
configure_file(data/man/quillotaire.6 ${QUILLO_STAGE}/quillotaire.6 @ONLY)
configure_file(data/man/quillo-tool.6 ${QUILLO_STAGE}/quillo-tool.6 @ONLY)
configure_file(data/package/changelog.in ${QUILLO_STAGE}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed, without time stamps.
find_program(GZIP gzip REQUIRED)
set(QUILLO_GZIPPED)
foreach(name quillotaire.6 quillo-tool.6 changelog)
  add_custom_command(OUTPUT ${QUILLO_STAGE}/${name}.gz
    COMMAND ${GZIP} -9nkf ${QUILLO_STAGE}/${name}
    DEPENDS ${QUILLO_STAGE}/${name}
    VERBATIM)
  list(APPEND QUILLO_GZIPPED ${QUILLO_STAGE}/${name}.gz)
endforeach()

# The data again, into a folder of its own for installing (the build's
# program directory holds much else), and the icons.
set(QUILLO_STAGE_STAMP ${QUILLO_STAGE}/stage.stamp)
add_custom_command(OUTPUT ${QUILLO_STAGE_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUILLO_STAGE}/data ${QUILLO_STAGE}/icons
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLO_STAGE}/data ${QUILLO_STAGE}/icons
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quillo-tool> make-data ${QUILLO_STAGE}/data
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quillo-tool> make-icons ${QUILLO_STAGE}/icons
  COMMAND ${CMAKE_COMMAND} -E touch ${QUILLO_STAGE_STAMP}
  DEPENDS quillo-tool
  COMMENT "Making the data and icons to install"
  VERBATIM)
add_custom_target(quillo_install_files ALL DEPENDS ${QUILLO_STAGE_STAMP} ${QUILLO_GZIPPED})

install(TARGETS quillotaire quillo-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QUILLO_STAGE}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillotaire)
# The help file comes with the default build once its pages are in.
install(FILES ${CMAKE_BINARY_DIR}/quillo.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/quillotaire OPTIONAL)
install(DIRECTORY ${QUILLO_STAGE}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${QUILLO_STAGE}/${QUILLO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUILLO_STAGE}/${QUILLO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUILLO_STAGE}/quillotaire.6.gz ${QUILLO_STAGE}/quillo-tool.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES data/package/copyright ${QUILLO_STAGE}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillotaire)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillotaire)
set(CPACK_PACKAGE_VENDOR "Quillotaire developers")
set(CPACK_PACKAGE_CONTACT "${QUILLO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collection of 55 patience card games")
set(CPACK_PACKAGE_DESCRIPTION "Quillotaire is a patience (solitaire) collection with 55 games, from
Klondike, Spider, Free Cell, Pyramid and Golf to Napoleon's Tomb, Braid,
Gaps and Osmosis. Cards move by drag and drop, with undo; deals are
numbered and can be replayed; statistics and best times are kept for every
game; the built-in games can be varied into custom ones; several card sets
and background textures are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins loaded at run time, which dpkg-shlibdeps cannot see: the help
# viewer's SQLite driver and the window system plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# Debian keeps games in /usr/games: the package moves the programs there.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/games_dir.cmake)
include(CPack)
