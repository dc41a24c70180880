# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from the install rules above:
#   cmake --preset package && cmake --build --preset package --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaeloric-chess)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vaeloric Chess developers")
set(CPACK_PACKAGE_CONTACT
    "The Vaeloric Chess developers <maintainers@users.noreply.c-seed-3f1e9d7d.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the linker cannot see: the window system plug-in, the faces the
# pictures are drawn with and a General MIDI SoundFont for the music.
set(depends "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core,"
            " timgm6mb-soundfont | sf2-soundfont-gm")
if(VAELORIC_HAS_LAUNCHER)
  string(APPEND depends ", libqt6sql6-sqlite")
endif()
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS ${depends})
# CPack indents the long description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "four-handed divination chess
Vaeloric Chess is a divination game played as chess. The player asks a
question, chooses its element and a square of the board, and leads one of
four armies on an eight by eight board; a die decides which kind of piece
may move. Winning the game is a favourable answer, and readings explain
what each move says about the question.
.
The package holds the launcher, the four board programs (one for each
element) and vaeloric-sim, which plays, checks and reads games without a
window.")

# Reproducible: the package's time stamps are the last commit's date (a
# checkout without git history needs SOURCE_DATE_EPOCH from the caller).
set(CPACK_VAELORIC_SOURCE_DATE_EPOCH "")
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE CPACK_VAELORIC_SOURCE_DATE_EPOCH
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
endif()
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake)
include(CPack)
