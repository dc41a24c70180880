# SPDX-License-Identifier: GPL-3.0-or-later
# vaeloric_library(NAME DIR [LIBS...]): a static library of every .cpp in DIR,
# linked to LIBS. New files are picked up on the next configure.
function(vaeloric_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# vaeloric_test(NAME DIR [LIBS...]): one GoogleTest program of every .cpp in
# DIR, registered with CTest. Qt-based tests run on the offscreen platform.
function(vaeloric_test name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    VAELORIC_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VAELORIC_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/tests/samples")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VAELORIC_ANALYSIS_FILE=${CMAKE_CURRENT_BINARY_DIR}/${name}-vaelfin.tmp")
endfunction()
