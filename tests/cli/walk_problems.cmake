# The walking sections on a registry that no fixture of the program wrote itself: the file is
# imported (natively restored by halvex-cli into a copy of a machine folder, under Wine imported
# into the live registry with the system's registry editor), sections 1 to 3 are scanned with
# --json, and the problems below the file's keys must equal the golden lines, natively and
# under Wine alike. Afterwards the cleanup file takes the keys out of the live registry again.
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
#   -DFIXTURE=<.reg file>    -DCLEANUP=<.reg file deleting its keys>
#   -DPREFIXES=<|-list of the file's keys>   -DGOLDEN=<one line per problem, sorted>
#   natively:   -DSOURCE=<machine folder to copy>  -DHOST=<host folder for the copy>
#   under Wine: -DWINEPREFIX=<prefix>
cmake_policy(SET CMP0007 NEW)
string(REPLACE "|" ";" PREFIXES "${PREFIXES}")

function(import_with_regedit file)
  file(COPY "${file}" DESTINATION "${WINEPREFIX}/drive_c/halvex-test")
  get_filename_component(name "${file}" NAME)
  execute_process(COMMAND ${EMULATOR} regedit /s "C:\\halvex-test\\${name}" RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "regedit /s ${name} failed with ${code}")
  endif()
endfunction()

set(scan_arguments scan --section 1 --section 2 --section 3 --json)
if(WINEPREFIX)
  import_with_regedit("${FIXTURE}")
else()
  file(REMOVE_RECURSE "${HOST}")
  file(COPY "${SOURCE}/" DESTINATION "${HOST}")
  execute_process(COMMAND "${PROGRAM}" restore "${FIXTURE}" --machine "${HOST}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "halvex-cli restore ${FIXTURE}: exit code ${code}\n${errors}${output}")
  endif()
  list(APPEND scan_arguments --machine "${HOST}")
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${scan_arguments}
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(WINEPREFIX)
  import_with_regedit("${CLEANUP}")
endif()
if(NOT code EQUAL 1)
  message(FATAL_ERROR "halvex-cli ${scan_arguments}: expected exit code 1, got ${code}\n"
                      "standard error:\n${errors}\nstandard output:\n${output}")
endif()

# One line per problem below the file's keys: section, key, value name, value data, problem.
set(lines "")
string(JSON section_count LENGTH "${output}" sections)
math(EXPR last_section "${section_count} - 1")
foreach(s RANGE ${last_section})
  string(JSON number GET "${output}" sections ${s} number)
  string(JSON problem_count LENGTH "${output}" sections ${s} problems)
  if(problem_count EQUAL 0)
    continue()
  endif()
  math(EXPR last_problem "${problem_count} - 1")
  foreach(p RANGE ${last_problem})
    # Key names compare without regard to case; the real registry spells "SOFTWARE" "Software".
    string(JSON key GET "${output}" sections ${s} problems ${p} KeyPath)
    string(TOUPPER "${key}" key)
    set(ours FALSE)
    foreach(prefix IN LISTS PREFIXES)
      string(TOUPPER "${prefix}" prefix)
      string(FIND "${key}" "${prefix}" at)
      if(at EQUAL 0)
        set(ours TRUE)
      endif()
    endforeach()
    if(NOT ours)
      continue()
    endif()
    string(JSON name GET "${output}" sections ${s} problems ${p} ValueName)
    string(JSON data GET "${output}" sections ${s} problems ${p} ValueData)
    string(JSON detail GET "${output}" sections ${s} problems ${p} DetailProblem)
    list(APPEND lines "${number}|${key}|${name}|${data}|${detail}")
  endforeach()
endforeach()
list(SORT lines)
list(JOIN lines "\n" actual)
file(READ "${GOLDEN}" expected)
string(REPLACE "\r\n" "\n" expected "${expected}")
string(STRIP "${expected}" expected)
if(NOT actual STREQUAL expected)
  file(WRITE "${GOLDEN}.actual" "${actual}\n")
  message(FATAL_ERROR "the problems below the fixture's keys differ from ${GOLDEN}; what was "
                      "found is in ${GOLDEN}.actual (diff the two)")
endif()
