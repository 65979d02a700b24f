# What the halvex-cli test scripts share, included by them after their own -D settings:
#   run(EXIT ARGS...)            runs halvex-cli (through EMULATOR, when set) with ARGS and fails
#                                unless it ends with EXIT; leaves its standard output, with CR LF
#                                made LF, in `output`
#   expect_contains(TEXT)        fails unless `output` holds TEXT
#   sorted_lines(FILE VARIABLE)  the lines of an 8-bit or UTF-16 text file, sorted
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
cmake_policy(SET CMP0007 NEW)

function(run expected_exit)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REPLACE "\r\n" "\n" output "${output}")
  if(NOT code STREQUAL expected_exit)
    message(FATAL_ERROR "halvex-cli ${ARGN}: expected exit code ${expected_exit}, got ${code}\n"
                        "standard error:\n${errors}\nstandard output:\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

function(expect_contains text)
  string(FIND "${output}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected the output to contain '${text}', got:\n${output}")
  endif()
endfunction()

function(sorted_lines file variable)
  file(READ "${file}" head LIMIT 2 HEX)
  if(head STREQUAL "fffe")
    file(STRINGS "${file}" lines ENCODING UTF-16LE)
  else()
    file(STRINGS "${file}" lines)
  endif()
  list(SORT lines)
  set(${variable} "${lines}" PARENT_SCOPE)
endfunction()
