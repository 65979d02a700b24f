# halvex-cli optimize on a copy of a machine folder, as a user runs it: preview leaves the
# machine as it is, apply writes a speed backup file into the machine and changes the registry,
# backups lists the file, and restoring it, once and again, gives back the registry the machine
# had (compared with an untouched copy written back through a restore of an empty file, so that
# both registry.reg files come from the same writer; lines are compared sorted).
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
#   -DSOURCE=<machine folder to copy>
#   -DHOST=<host folder for the copies>   -DMACHINE=<the same folder as halvex-cli sees it>
include(${CMAKE_CURRENT_LIST_DIR}/cli_script.cmake)

file(REMOVE_RECURSE "${HOST}")
file(MAKE_DIRECTORY "${HOST}")
file(COPY "${SOURCE}/" DESTINATION "${HOST}/optimized")
file(COPY "${SOURCE}/" DESTINATION "${HOST}/untouched")
file(WRITE "${HOST}/empty.reg" "Windows Registry Editor Version 5.00\r\n")
set(speed_file "C:\\Program Files\\Halvex\\RepairBackup\\speedRestore20260115_120000.ini")

run(0 optimize preview --model 4 --machine "${MACHINE}/optimized")
expect_contains("service HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Eventlog \"Start\": \"2\" -> \"4\"")
file(READ "${HOST}/optimized/registry.reg" previewed)
file(READ "${SOURCE}/registry.reg" source)
if(NOT previewed STREQUAL source)
  message(FATAL_ERROR "the preview changed the machine's registry")
endif()

run(0 optimize apply --model 4 --machine "${MACHINE}/optimized")
expect_contains("Speed backup file: ${speed_file}")
if(NOT EXISTS "${HOST}/optimized/drives/C/Program Files/Halvex/RepairBackup/speedRestore20260115_120000.ini")
  message(FATAL_ERROR "the speed backup file was not saved into the machine folder")
endif()
run(0 optimize preview --model 4 --machine "${MACHINE}/optimized")
expect_contains("Nothing to change.")
run(0 optimize backups --machine "${MACHINE}/optimized")
expect_contains("${speed_file}")

run(0 restore "${MACHINE}/empty.reg" --machine "${MACHINE}/untouched")
sorted_lines("${HOST}/untouched/registry.reg" original)
foreach(time first second)
  run(0 optimize restore "${speed_file}" --machine "${MACHINE}/optimized")
  expect_contains("Reset successful!")
  sorted_lines("${HOST}/optimized/registry.reg" restored)
  if(NOT restored STREQUAL original)
    message(FATAL_ERROR "after the ${time} restore the registry differs from the one before:\n"
                        "restored: ${restored}\n\noriginal: ${original}")
  endif()
endforeach()
