# GoogleTest for both builds, the Wine set-up that runs the Windows tests, and the functions
# the folders of tests/ use: a folder adds its sources to one of a fixed set of test binaries
# (halvex_test_sources), and tests/CMakeLists.txt makes each binary once (halvex_add_gtest).
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

# halvex_test_sources(<binary> <files...>)
# Adds sources, relative to the calling folder, to a test binary (or to halvex_test_support).
# A binary this build does not make ignores them.
function(halvex_test_sources binary)
  foreach(file IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE path)
    set_property(GLOBAL APPEND PROPERTY HALVEX_TEST_SOURCES_${binary} ${path})
  endforeach()
endfunction()

# halvex_add_gtest(<name> LIBS <targets...> [LABELS <labels...>] [SERIAL] [RESOURCE_LOCK <r...>]
#                  [ONE_PROCESS_UNDER_WINE] [LOCKED_CASES <gtest filter> <resources...>])
# One test executable from the sources the folders gave it, with GoogleTest's precompiled
# header of halvex_test_support. CTest lists each of its cases. SERIAL cases never run beside
# others; RESOURCE_LOCK keeps them apart from other tests holding the same resource.
# ONE_PROCESS_UNDER_WINE: under Wine the whole binary is one test, since starting a Wine process
# per case costs more than the cases (portable suites that need no isolation). LOCKED_CASES: the
# cases matching the filter hold the resources; the others run freely.
function(halvex_add_gtest name)
  cmake_parse_arguments(ARG "SERIAL;ONE_PROCESS_UNDER_WINE" ""
                        "LIBS;LABELS;RESOURCE_LOCK;LOCKED_CASES" ${ARGN})
  get_property(sources GLOBAL PROPERTY HALVEX_TEST_SOURCES_${name})
  if(NOT sources)
    message(FATAL_ERROR "No folder of tests/ adds sources to ${name}")
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} halvex_test_support GTest::gtest
                                        GTest::gtest_main)
  target_precompile_headers(${name} REUSE_FROM halvex_test_support)
  set(properties TIMEOUT 120)
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  if(ARG_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  if(ARG_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK "${ARG_RESOURCE_LOCK}")
  endif()

  if(ARG_ONE_PROCESS_UNDER_WINE AND CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ${properties} TIMEOUT 600)
    return()
  endif()

  set(discovery DISCOVERY_MODE ${HALVEX_TEST_DISCOVERY} DISCOVERY_TIMEOUT 60
                WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(ARG_LOCKED_CASES)
    list(POP_FRONT ARG_LOCKED_CASES filter)
    gtest_discover_tests(${name} ${discovery} TEST_FILTER "-${filter}" PROPERTIES ${properties})
    gtest_discover_tests(${name} ${discovery} TEST_FILTER "${filter}"
                         PROPERTIES ${properties} RESOURCE_LOCK "${ARG_LOCKED_CASES}")
  else()
    gtest_discover_tests(${name} ${discovery} PROPERTIES ${properties})
  endif()
endfunction()

# halvex_cli_test(<name> [SCRIPT <file>] [ARGS <arguments...>] [EXIT <code>] [ON_SAMPLE]
#                 [GOLDEN <file of tests/cli/golden>] [CONTAINS <text>] [ERROR_CONTAINS <text>]
#                 [EXCLUDES <text>] [DEFINE <variable=value...>])
# halvex-cli as a user runs it, through tests/cli/run_cli.cmake (or another script of
# tests/cli): natively, or as halvex-cli.exe under Wine. ON_SAMPLE copies samples/machine to
# where the Windows build finds it first (HALVEX_SAMPLE_MACHINE names the machine to pass).
function(halvex_cli_test name)
  if(NOT HALVEX_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "ON_SAMPLE" "SCRIPT;EXIT;GOLDEN;CONTAINS;ERROR_CONTAINS;EXCLUDES"
                        "ARGS;DEFINE" ${ARGN})
  set(cli ${PROJECT_SOURCE_DIR}/tests/cli)
  if(NOT ARG_SCRIPT)
    set(ARG_SCRIPT run_cli.cmake)
  endif()
  set(defines -DPROGRAM=$<TARGET_FILE:halvex-cli> "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
  if(ARG_ARGS)
    list(JOIN ARG_ARGS "|" arguments)
    list(APPEND defines "-DARGUMENTS=${arguments}")
  endif()
  if(DEFINED ARG_EXIT)
    list(APPEND defines -DEXPECTED_EXIT=${ARG_EXIT})
  endif()
  if(ARG_GOLDEN)
    list(APPEND defines -DGOLDEN=${cli}/golden/${ARG_GOLDEN})
  endif()
  foreach(check CONTAINS ERROR_CONTAINS EXCLUDES)
    if(DEFINED ARG_${check})
      list(APPEND defines "-D${check}=${ARG_${check}}")
    endif()
  endforeach()
  if(ARG_ON_SAMPLE AND WIN32)
    list(APPEND defines -DCOPY_MACHINE=${PROJECT_SOURCE_DIR}/samples/machine
                        -DWINEPREFIX=${HALVEX_WINEPREFIX})
  endif()
  foreach(define IN LISTS ARG_DEFINE)
    list(APPEND defines "-D${define}")
  endforeach()
  add_test(NAME cli.${name} COMMAND ${CMAKE_COMMAND} ${defines} -P ${cli}/${ARG_SCRIPT})
  if(WIN32)
    # Under Wine they share the prefix's C:\halvex-test and the live registry.
    set_tests_properties(cli.${name} PROPERTIES LABELS wine
                         RESOURCE_LOCK "halvex_test_folder;live_registry")
  endif()
endfunction()
