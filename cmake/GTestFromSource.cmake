# SPDX-License-Identifier: GPL-3.0-or-later
# A cross build finds no GoogleTest for its target system; build it from
# Debian's googletest source package instead (it names its targets GTest::gtest and so on).
set(VAELORIC_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(CMAKE_CROSSCOMPILING AND EXISTS ${VAELORIC_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VAELORIC_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
