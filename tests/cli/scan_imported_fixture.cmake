# A fixture of registry entries imported on top of a machine and scanned with halvex-cli: under
# Wine into the live registry with the system's registry editor (taken out again afterwards,
# whatever happened), natively into a copy of a machine folder with halvex-cli's own restore.
# Both runs check the same texts, so the real registry and the substitute must report the same
# problems below the fixture's keys.
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
#   -DFIXTURE=<.reg file>    -DCLEANUP=<.reg file that takes it out again (Wine)>
#   -DWINEPREFIX=<prefix>    under Wine
#   -DSOURCE=<machine folder to copy>   -DHOST=<host folder for the copy>   natively
#   -DSECTIONS=<|-list of section numbers>
#   -DCONTAINS=<|-list>      the scan's output must contain each text
#   -DEXCLUDES=<|-list>      ... and none of these
foreach(list SECTIONS CONTAINS EXCLUDES)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()

function(run)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REPLACE "\r\n" "\n" output "${output}")
  set(output "${output}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
  set(code "${code}" PARENT_SCOPE)
endfunction()

function(import_with_regedit file)
  file(COPY "${file}" DESTINATION "${WINEPREFIX}/drive_c/halvex-test")
  get_filename_component(name "${file}" NAME)
  execute_process(COMMAND ${EMULATOR} regedit /s "C:\\halvex-test\\${name}" RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "regedit /s ${name} failed with ${code}")
  endif()
endfunction()

set(section_options "")
foreach(section IN LISTS SECTIONS)
  list(APPEND section_options --section ${section})
endforeach()

if(WINEPREFIX)
  import_with_regedit("${FIXTURE}")
  run(scan ${section_options})
  import_with_regedit("${CLEANUP}")
else()
  file(REMOVE_RECURSE "${HOST}")
  file(COPY "${SOURCE}/" DESTINATION "${HOST}")
  run(restore "${FIXTURE}" --machine "${HOST}")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "restoring ${FIXTURE} failed with ${code}:\n${errors}\n${output}")
  endif()
  run(scan ${section_options} --machine "${HOST}")
endif()

if(NOT code EQUAL 1)
  message(FATAL_ERROR "expected exit code 1 (problems found), got ${code}\n"
                      "standard error:\n${errors}\nstandard output:\n${output}")
endif()
foreach(text IN LISTS CONTAINS)
  string(FIND "${output}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected the output to contain '${text}', got:\n${output}")
  endif()
endforeach()
foreach(text IN LISTS EXCLUDES)
  string(FIND "${output}" "${text}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "expected the output not to contain '${text}', got:\n${output}")
  endif()
endforeach()
