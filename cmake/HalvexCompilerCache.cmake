# ccache as the compiler launcher of every build, when the machine has it. The cache lives
# outside the source tree (ccache's own default folder), so a second build on the same machine,
# in this clone or another, reuses what an earlier one compiled; paths below the source folder
# are hashed relative to it, and the build folder does not count, so clones share hits.
find_program(HALVEX_CCACHE ccache)
if(HALVEX_CCACHE)
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
                CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
                ${HALVEX_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
