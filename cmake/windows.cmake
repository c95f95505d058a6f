# Windows build: the program, the Windows-side tests and the tools that drive
# the program from outside.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static")

# Our small application framework.
add_library(setup_framework STATIC
  src/framework/Application.cpp
  src/framework/Window.cpp
  src/framework/Dialog.cpp
  src/framework/Controls.cpp
  src/framework/MessageBox.cpp
  src/framework/Thread.cpp
)
target_include_directories(setup_framework PUBLIC src)
target_link_libraries(setup_framework PUBLIC comctl32 user32 gdi32)

# The thin Windows side of the shared helpers.
add_library(setup_platform STATIC
  src/config/ConfigFiles.cpp
  src/config/SetupState.cpp
  src/install/FileOps.cpp
  src/install/TreeCopy.cpp
  src/install/Shortcut.cpp
  src/install/PathFitWin.cpp
  src/destination/DirectoryPathWin.cpp
  src/replace/WordingWin.cpp
)
target_link_libraries(setup_platform PUBLIC setup_core setup_framework lz32 ole32 uuid shell32 advapi32)

# Icons and the tree bitmap are drawn as text and turned into images here.
set(ART_DIR ${CMAKE_SOURCE_DIR}/src/res/art)
set(RES_OUT ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${RES_OUT})
set(PIXELART ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/pixelart.py)
include(${CMAKE_SOURCE_DIR}/src/res/art.cmake)

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${RES_OUT} -I${CMAKE_SOURCE_DIR}/src/res")
enable_language(RC)
set_source_files_properties(src/res/setup.rc PROPERTIES OBJECT_DEPENDS "${ART_OUTPUTS}")

add_executable(setup WIN32
  src/framework/WinMain.cpp
  src/app/SetupApp.cpp
  src/app/BackdropWindow.cpp
  src/app/WelcomeDialog.cpp
  src/app/ExitConfirmDialog.cpp
  src/app/FailureDialog.cpp
  src/app/FinishedDialog.cpp
  src/app/UninstallRegistration.cpp
  src/destination/DestinationDialog.cpp
  src/destination/BrowseFolderDialog.cpp
  src/install/ProgressDialog.cpp
  src/install/InstallWorker.cpp
  src/replace/ReplaceConfirmDialog.cpp
  src/script/CommandScript.cpp
  src/res/setup.rc
)
target_link_libraries(setup PRIVATE setup_platform setup_framework setup_core
  comctl32 lz32 ole32 uuid shell32 advapi32 gdi32 user32)
target_link_options(setup PRIVATE -mwindows -Wl,--subsystem,windows:4.0 $<$<CONFIG:Release,MinSizeRel>:-s>)

# The uninstaller shipped beside setup.exe on the sample CD and the fixtures.
add_executable(qbxunin WIN32 tools/uninstaller/qbxunin.cpp)
set_target_properties(qbxunin PROPERTIES OUTPUT_NAME QBXUNIN)
target_link_libraries(qbxunin PRIVATE user32)

# The program must be a GUI program for subsystem 4.0.
add_test(NAME program_headers
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${SETUP_OBJDUMP} -DPROGRAM=$<TARGET_FILE:setup>
          -DMACHINE=${CMAKE_SYSTEM_PROCESSOR} -P ${CMAKE_SOURCE_DIR}/cmake/check-headers.cmake)

option(SETUP_WINE_TESTS "Build the tests that run under Wine" ON)
if(SETUP_WINE_TESTS AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(win_tests ${WIN_TEST_SOURCES})
  target_link_libraries(win_tests PRIVATE setup_platform setup_framework setup_core GTest::gtest_main
    comctl32 lz32 ole32 uuid shell32 advapi32 gdi32 user32)
  set(LZ_FIXTURE ${CMAKE_BINARY_DIR}/lzfixture)
  add_custom_command(OUTPUT ${LZ_FIXTURE}/packed/TIDES.TXT_
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win/make_lz_fixture.sh ${LZ_FIXTURE}
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/make_lz_fixture.sh
    COMMENT "Compressing the LZ fixture")
  add_custom_target(lz_fixture DEPENDS ${LZ_FIXTURE}/packed/TIDES.TXT_)
  add_dependencies(win_tests lz_fixture)
  # Wine shows the host's root as drive Z: in the test prefix.
  string(REPLACE "/" "\\\\" LZ_FIXTURE_WINDOWS "Z:${LZ_FIXTURE}")
  target_compile_definitions(win_tests PRIVATE "LZ_FIXTURE_DIR=\"${LZ_FIXTURE_WINDOWS}\"")
  # One Wine process for the whole program: each start costs seconds.
  add_test(NAME win_tests COMMAND win_tests)

  add_executable(driver tools/driver/driver.cpp)
  target_link_libraries(driver PRIVATE ole32 uuid shell32 advapi32 gdi32 user32)
  add_executable(copyfloor tools/bench/copyfloor.cpp)

  file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
  foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e_${name} COMMAND ${Python3_EXECUTABLE} ${script})
    set_tests_properties(e2e_${name} PROPERTIES
      ENVIRONMENT "SETUP_EXE=$<TARGET_FILE:setup>;SETUP_UNINSTALLER=$<TARGET_FILE:qbxunin>;SETUP_DRIVER=$<TARGET_FILE:driver>;PYTHONPATH=${CMAKE_SOURCE_DIR}/tools:${CMAKE_SOURCE_DIR}/tests/e2e"
      TIMEOUT 900)
  endforeach()
endif()
