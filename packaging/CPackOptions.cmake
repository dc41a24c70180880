# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes the package. CPack stamps every file of the
# package with SOURCE_DATE_EPOCH when it is set: without it two packages of
# one commit differ in their time stamps. A date given by the caller wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_VAELORIC_SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VAELORIC_SOURCE_DATE_EPOCH})
endif()
