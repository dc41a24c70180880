# SPDX-License-Identifier: GPL-3.0-or-later
# The version every program prints: the project version, and the git
# description when configured from a checkout. Written at configure time into
# a header that the programs include as "vaeloric_version.h".
set(VAELORIC_GIT_DESCRIPTION "")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} describe --always --dirty
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE VAELORIC_GIT_DESCRIPTION
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
endif()
if(VAELORIC_GIT_DESCRIPTION)
  set(VAELORIC_VERSION_TEXT "${PROJECT_VERSION} (git ${VAELORIC_GIT_DESCRIPTION})")
else()
  set(VAELORIC_VERSION_TEXT "${PROJECT_VERSION}")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/vaeloric_version.h.in
               ${CMAKE_BINARY_DIR}/generated/vaeloric_version.h @ONLY)
add_library(vaeloric_version INTERFACE)
target_include_directories(vaeloric_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
