# Runs halvex-cli once and checks what it did.
#   -DPROGRAM=<halvex-cli>        -DEMULATOR=<wine-run or empty>
#   -DARGUMENTS=<|-list>          -DEXPECTED_EXIT=<code>
#   -DGOLDEN=<file>               standard output must equal it (line ends aside)
#   -DCONTAINS=<|-list>           standard output must contain each text
#   -DEXCLUDES=<|-list>           ... and none of these
#   -DERROR_CONTAINS=<text>       standard error must contain it
# Lists are separated by "|", which CTest passes through unharmed.
foreach(list ARGUMENTS CONTAINS EXCLUDES)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
#   -DCOPY_MACHINE=<folder>       copied into the Wine prefix's C:\halvex-test\machine first
#   -DWINEPREFIX=<prefix>         needed with COPY_MACHINE
#   -DCOPY_TO=<folder>            copy COPY_MACHINE there instead (a command that changes
#                                 the machine must not change the original)
#   -DIMPORT=<.reg file>          imported with the system's registry editor first (Wine)
#   -DPLACE=<file>                copied into the Wine prefix's C:\halvex-test first
#   -DCLEANUP=<.reg file>         imported afterwards, whatever happened
#   -DMAP_Z_DRIVE=ON              gives the Wine prefix the z: drive on "/" for the run, as a
#                                 freshly made prefix has it (the test prefix has it removed)
if(COPY_MACHINE)
  if(NOT COPY_TO)
    set(COPY_TO "${WINEPREFIX}/drive_c/halvex-test/machine")
  endif()
  file(REMOVE_RECURSE "${COPY_TO}")
  file(COPY "${COPY_MACHINE}/" DESTINATION "${COPY_TO}")
endif()

function(import_with_regedit file)
  file(COPY "${file}" DESTINATION "${WINEPREFIX}/drive_c/halvex-test")
  get_filename_component(name "${file}" NAME)
  execute_process(COMMAND ${EMULATOR} regedit /s "C:\\halvex-test\\${name}" RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "regedit /s ${name} failed with ${code}")
  endif()
endfunction()

if(IMPORT)
  import_with_regedit("${IMPORT}")
endif()
if(PLACE)
  file(COPY "${PLACE}" DESTINATION "${WINEPREFIX}/drive_c/halvex-test")
endif()
set(z_drive "${WINEPREFIX}/dosdevices/z:")
if(MAP_Z_DRIVE)
  file(CREATE_LINK "/" "${z_drive}" SYMBOLIC)
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGUMENTS}
                RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(MAP_Z_DRIVE)
  file(REMOVE "${z_drive}")
endif()
if(CLEANUP)
  import_with_regedit("${CLEANUP}")
endif()

string(REPLACE "\r\n" "\n" output "${output}")
if(NOT exit_code STREQUAL EXPECTED_EXIT)
  message(FATAL_ERROR "expected exit code ${EXPECTED_EXIT}, got ${exit_code}\n"
                      "standard error:\n${errors}\nstandard output:\n${output}")
endif()
if(GOLDEN)
  file(READ "${GOLDEN}" expected)
  string(REPLACE "\r\n" "\n" expected "${expected}")
  if(NOT output STREQUAL expected)
    file(WRITE "${GOLDEN}.actual" "${output}")
    message(FATAL_ERROR "standard output differs from ${GOLDEN}; what it printed is in "
                        "${GOLDEN}.actual (diff the two)")
  endif()
endif()
foreach(text IN LISTS CONTAINS)
  string(FIND "${output}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected the output to contain '${text}', got:\n${output}")
  endif()
endforeach()
if(ERROR_CONTAINS)
  string(FIND "${errors}" "${ERROR_CONTAINS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected standard error to contain '${ERROR_CONTAINS}', got:\n${errors}")
  endif()
endif()
foreach(text IN LISTS EXCLUDES)
  string(FIND "${output}" "${text}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "expected the output not to contain '${text}', got:\n${output}")
  endif()
endforeach()
