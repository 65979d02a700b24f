# halvex-cli repair and restore on a copy of a machine folder, as a user runs them: the repair
# prints what the golden file holds and writes its backup into the machine, the rescan finds
# nothing, backups lists the backup, and restoring it gives back the registry the machine had
# and the shortcuts the repair deleted, byte for byte
# (compared with an untouched copy that was written back through a restore of an empty file,
# so that both registry.reg files come from the same writer; lines are compared sorted, since
# the in-memory registry lists a restored value after the others).
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
#   -DSOURCE=<machine folder to copy>
#   -DHOST=<host folder for the copies>   -DMACHINE=<the same folder as halvex-cli sees it>
#   -DGOLDEN=<golden JSON output of the repair>
include(${CMAKE_CURRENT_LIST_DIR}/cli_script.cmake)

file(REMOVE_RECURSE "${HOST}")
file(MAKE_DIRECTORY "${HOST}")
file(COPY "${SOURCE}/" DESTINATION "${HOST}/repaired")
file(COPY "${SOURCE}/" DESTINATION "${HOST}/untouched")
file(WRITE "${HOST}/empty.reg" "Windows Registry Editor Version 5.00\r\n")
set(backup "C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000.reg")

run(0 repair --machine "${MACHINE}/repaired" --json)
file(READ "${GOLDEN}" expected)
string(REPLACE "\r\n" "\n" expected "${expected}")
if(NOT output STREQUAL expected)
  file(WRITE "${GOLDEN}.actual" "${output}")
  message(FATAL_ERROR "the repair's output differs from ${GOLDEN}; it is in ${GOLDEN}.actual")
endif()
if(NOT EXISTS "${HOST}/repaired/drives/C/Program Files/Halvex/RepairBackup/_20260115_120000.reg")
  message(FATAL_ERROR "the repair backup was not saved into the machine folder")
endif()

run(0 scan --machine "${MACHINE}/repaired" --section 4)
expect_contains("Problems Found: 0")
run(0 backups --machine "${MACHINE}/repaired")
expect_contains("${backup}")

run(0 restore "${backup}" --machine "${MACHINE}/repaired")
run(0 restore "${MACHINE}/empty.reg" --machine "${MACHINE}/untouched")
sorted_lines("${HOST}/repaired/registry.reg" restored)
sorted_lines("${HOST}/untouched/registry.reg" original)
if(NOT restored STREQUAL original)
  message(FATAL_ERROR "after the restore the registry differs from the one before the repair:\n"
                      "restored: ${restored}\n\noriginal: ${original}")
endif()

# The shortcuts: those the repair deleted are back, and every shortcut is as it was.
file(GLOB_RECURSE shortcuts RELATIVE "${HOST}/untouched/drives" "${HOST}/untouched/drives/*.lnk")
foreach(shortcut IN LISTS shortcuts)
  if(NOT EXISTS "${HOST}/repaired/drives/${shortcut}")
    message(FATAL_ERROR "after the restore the shortcut ${shortcut} is still missing")
  endif()
  file(SHA256 "${HOST}/untouched/drives/${shortcut}" original_hash)
  file(SHA256 "${HOST}/repaired/drives/${shortcut}" restored_hash)
  if(NOT original_hash STREQUAL restored_hash)
    message(FATAL_ERROR "after the restore the shortcut ${shortcut} differs from the original")
  endif()
endforeach()
