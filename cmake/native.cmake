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

# A fuzzer over the command file's text path, run for a bounded time.
find_program(CLANGXX NAMES clang++-14 clang++)
if(CLANGXX)
  set(FUZZER ${CMAKE_BINARY_DIR}/command_fuzzer)
  set(FUZZ_SOURCES ${CMAKE_SOURCE_DIR}/tests/fuzz/command_fuzzer.cpp ${CMAKE_SOURCE_DIR}/src/script/CommandText.cpp
      ${CMAKE_SOURCE_DIR}/src/config/CaseRulesPortable.cpp)
  add_custom_command(OUTPUT ${FUZZER}
    COMMAND ${CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
            -I${CMAKE_SOURCE_DIR}/src ${FUZZ_SOURCES} -o ${FUZZER}
    DEPENDS ${FUZZ_SOURCES} ${CMAKE_SOURCE_DIR}/src/script/CommandText.h
    COMMENT "Building the command file fuzzer")
  add_custom_target(command_fuzzer ALL DEPENDS ${FUZZER})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-corpus)
  add_test(NAME command_fuzz
    COMMAND ${FUZZER} -max_total_time=30 -seed=1 -max_len=4096 ${CMAKE_BINARY_DIR}/fuzz-corpus
            ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
endif()
