# What a Windows build (cmake/mingw-w64.cmake) takes from the build machine:
# GoogleTest built from its sources for the target (it names its own GTest::
# targets), and CLI11's headers.

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Only CLI11's own folder may be seen: the rest of /usr/include is glibc's,
# whose limits.h breaks the MinGW headers.
set(cli11_include ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${cli11_include})
file(CREATE_LINK /usr/include/CLI ${cli11_include}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${cli11_include})

# Discovering the tests needs Wine, so it waits for ctest, which runs under a
# prefix made ready for it, instead of running in the build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
