# GoogleTest for the Windows build, compiled from Debian's googletest sources, and Wine to run
# the test programs from CTest.
set(KAVELIN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
# It defines GTest::gtest, GTest::gtest_main and GTest::gmock itself.
add_subdirectory(${KAVELIN_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
find_program(KAVELIN_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KAVELIN_WINE})
