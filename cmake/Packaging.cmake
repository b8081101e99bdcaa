# Installing the game and packaging it for Debian.
#
#   cmake --install <build> [--prefix DIR]       (default prefix /usr/local)
#   cd <build> && cpack -G DEB                   (a .deb for /usr)
#
# Layout under the prefix: the game, its driver and every generated picture, tune and sound
# in lib/quelmor (the game loads its files from its own folder, so they must lie together),
# the launcher games/quelmor (a relative symbolic link to lib/quelmor/quelmor), the menu
# entry share/applications/quelmor.desktop, its icon in the hicolor theme, the manual
# page share/man/man6/quelmor.6.gz, and share/doc/quelmor with the copyright file and the
# compressed changelog.

set(QUELMOR_INSTALL_DIR lib/quelmor)
set(QUELMOR_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${QUELMOR_PACKAGING_DIR})

# The menu icon: the window icon the asset generator draws, as a PNG.
add_executable(quelmor-ico2png ${CMAKE_SOURCE_DIR}/tools/ico2png/ico2png.cpp)
target_link_libraries(quelmor-ico2png PRIVATE Qt6::Gui)
set_target_properties(quelmor-ico2png PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(
  OUTPUT ${QUELMOR_PACKAGING_DIR}/quelmor.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:quelmor-ico2png> ${QUELMOR_BIN_DIR}/quelmor.ico ${QUELMOR_PACKAGING_DIR}/quelmor.png
  DEPENDS quelmor-ico2png ${QUELMOR_BIN_DIR}/.assets-stamp
  COMMENT "Converting the window icon for the desktop menus"
  VERBATIM)

# The manual page, compressed as Debian wants it (-n: no name or time stamp inside).
find_program(QUELMOR_GZIP gzip)
if(QUELMOR_GZIP)
  set(QUELMOR_MAN_PAGE ${QUELMOR_PACKAGING_DIR}/quelmor.6.gz)
  add_custom_command(
    OUTPUT ${QUELMOR_MAN_PAGE}
    COMMAND ${QUELMOR_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/quelmor.6 > ${QUELMOR_MAN_PAGE}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/quelmor.6
    COMMENT "Compressing the manual page")
else()
  set(QUELMOR_MAN_PAGE ${CMAKE_SOURCE_DIR}/packaging/quelmor.6)
endif()

# The changelog, in the Debian format with the project's version, compressed the same way.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${QUELMOR_PACKAGING_DIR}/changelog @ONLY)
if(QUELMOR_GZIP)
  set(QUELMOR_CHANGELOG ${QUELMOR_PACKAGING_DIR}/changelog.gz)
  add_custom_command(
    OUTPUT ${QUELMOR_CHANGELOG}
    COMMAND ${QUELMOR_GZIP} -9 -n -c ${QUELMOR_PACKAGING_DIR}/changelog > ${QUELMOR_CHANGELOG}
    DEPENDS ${QUELMOR_PACKAGING_DIR}/changelog
    COMMENT "Compressing the changelog")
else()
  set(QUELMOR_CHANGELOG ${QUELMOR_PACKAGING_DIR}/changelog)
endif()

add_custom_target(desktop-files ALL DEPENDS ${QUELMOR_PACKAGING_DIR}/quelmor.png ${QUELMOR_MAN_PAGE}
                                            ${QUELMOR_CHANGELOG})
add_dependencies(desktop-files assets)

# The launcher: a relative link, so that the game finds its folder under any prefix.
file(CREATE_LINK ../${QUELMOR_INSTALL_DIR}/quelmor ${QUELMOR_PACKAGING_DIR}/quelmor SYMBOLIC)

install(TARGETS quelmor quelmor-driver RUNTIME DESTINATION ${QUELMOR_INSTALL_DIR})
# Everything the asset generator writes beside the executables.
install(DIRECTORY ${QUELMOR_BIN_DIR}/ DESTINATION ${QUELMOR_INSTALL_DIR}
        FILES_MATCHING REGEX "\\.(bmp|gif|ico|png|jpg|wav|mid)$")
install(FILES ${QUELMOR_PACKAGING_DIR}/quelmor DESTINATION games)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quelmor.desktop DESTINATION share/applications)
install(FILES ${QUELMOR_PACKAGING_DIR}/quelmor.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${QUELMOR_MAN_PAGE} DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${QUELMOR_CHANGELOG} DESTINATION share/doc/quelmor)

set(CPACK_PACKAGE_NAME quelmor)
set(CPACK_PACKAGE_VENDOR "Quelmor")
set(CPACK_PACKAGE_CONTACT "Quelmor <quelmor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hot-seat fantasy board game for two to four players")
# Lines of the long description stay under 80 columns, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION
    "Two to four players share one computer and lead parties of characters\n"
    "chosen among sixteen classes across the plain, the mountain, the town and\n"
    "the forest. They fight monsters, visit the market and the forge, gather\n"
    "the keys of the black tower and climb its five floors. In French and\n"
    "English.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quelmor")
# The music needs a General MIDI soundfont; without one the game plays its sounds only.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, timgm6mb-soundfont | fluid-soundfont-gm, qt6-translations-l10n")
find_program(QUELMOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUELMOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The sound library is opened at run time, where the dependency scan can't see it.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-mixer-2.0-0")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6gui6, libqt6core6, libfontconfig1, libsdl2-mixer-2.0-0")
endif()
include(CPack)

if(QUELMOR_TESTS)
  # Installs into a scratch root (and, when cpack and dpkg are at hand, builds the .deb and
  # unpacks it) and plays a short scripted game with the installed driver.
  foreach(kind tree deb)
    add_test(NAME Desktop.Installed_${kind}
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/desktop/installed_game.sh ${kind}
                     ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND} ${CMAKE_CPACK_COMMAND})
    set_tests_properties(Desktop.Installed_${kind} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0"
      SKIP_RETURN_CODE 77 TIMEOUT 300)
  endforeach()
endif()
