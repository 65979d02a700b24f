# GoogleTest for both builds, and the Wine set-up that runs the Windows tests.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # Debian's googletest sources, built with the cross compiler.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  # Every .exe test runs through Wine with a private prefix under this build tree.
  set(HALVEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  set(HALVEX_TEST_DISCOVERY PRE_TEST)
else()
  find_package(GTest REQUIRED)
  set(HALVEX_TEST_DISCOVERY POST_BUILD)
endif()

# halvex_add_gtest(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [SERIAL])
# One test executable; CTest lists each of its cases. SERIAL cases never run beside others.
function(halvex_add_gtest name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set(properties TIMEOUT 120)
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  if(ARG_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE ${HALVEX_TEST_DISCOVERY}
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ${properties})
endfunction()
