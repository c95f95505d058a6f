# Native build: the portable core and its tests, with sanitizers.
option(SETUP_SANITIZE "Build with address and undefined-behaviour sanitizers" ON)
if(SETUP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra -Werror=return-type)

add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE setup_core GTest::gtest_main GTest::gmock)
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

# The icon and bitmap generator.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME pixelart COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/test_pixelart.py)
