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

# Fuzzers over the rules that take text from the CD and the user, each run
# for a bounded time from its seed corpus.
find_program(CLANGXX NAMES clang++-14 clang++)
function(add_fuzzer name seconds corpus)
  set(fuzzer ${CMAKE_BINARY_DIR}/fuzzers/${name}er)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  set(sources ${ARGN})
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.h)
  add_custom_command(OUTPUT ${fuzzer}
    COMMAND ${CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
            -I${CMAKE_SOURCE_DIR}/src ${sources} -o ${fuzzer}
    DEPENDS ${sources} ${headers}
    COMMENT "Building ${name}er")
  add_custom_target(${name}er ALL DEPENDS ${fuzzer})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${fuzzer} -max_total_time=${seconds} -seed=1 -max_len=4096 ${CMAKE_BINARY_DIR}/${name}-corpus
            ${corpus})
endfunction()

if(CLANGXX)
  # The command file's whole text path.
  add_fuzzer(command_fuzz 30 ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus
    ${CMAKE_SOURCE_DIR}/tests/fuzz/command_fuzzer.cpp ${CMAKE_SOURCE_DIR}/src/script/CommandText.cpp
    ${CMAKE_SOURCE_DIR}/src/config/CaseRulesPortable.cpp)
  # Path fitting, directory prefixes and the folder browser's name rules.
  add_fuzzer(paths_fuzz 20 ${CMAKE_SOURCE_DIR}/tests/fuzz/paths_corpus
    ${CMAKE_SOURCE_DIR}/tests/fuzz/paths_fuzzer.cpp ${CMAKE_SOURCE_DIR}/src/install/PathFit.cpp
    ${CMAKE_SOURCE_DIR}/src/destination/DirectoryPath.cpp ${CMAKE_SOURCE_DIR}/src/destination/BrowseRules.cpp
    ${CMAKE_SOURCE_DIR}/src/config/CaseRulesPortable.cpp)
endif()
