# halvex-cli startup on a copy of the sample machine, as a user runs it: disable and remove
# entries of every kind, then enable and restore them; the list ends as it began (compared
# sorted, as a value written back comes after the others of its key). A number value and a
# win.ini key are left alone by disable, and the reasons are named.
#   -DPROGRAM=<halvex-cli>   -DEMULATOR=<wine-run or empty>
#   -DSOURCE=<machine folder to copy>
#   -DHOST=<host folder for the copy>   -DMACHINE=<the same folder as halvex-cli sees it>
include(${CMAKE_CURRENT_LIST_DIR}/cli_script.cmake)

function(sorted_list variable)
  run(0 startup list --machine "${MACHINE}" ${ARGN})
  string(REPLACE "\n" ";" lines "${output}")
  list(SORT lines)
  set(${variable} "${lines}" PARENT_SCOPE)
endfunction()

# The id of the listed row that matches `pattern` (the text after the id).
function(id_of variable pattern)
  string(REGEX MATCH "([0-9a-f-]+)  ${pattern}" found "${output}")
  if(NOT found)
    message(FATAL_ERROR "no row matches '${pattern}' in:\n${output}")
  endif()
  set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${HOST}")
file(COPY "${SOURCE}/" DESTINATION "${HOST}")
sorted_list(before)

# From the sample's golden list: the machine's PaintShopTray, Notes (REG_EXPAND_SZ), the common
# startup note; the user's startup note and PaintShopTray; CheckInterval and win.ini's Clock.
run(0 startup disable 8beaff28 b41ce218 0dc529cb --machine "${MACHINE}")
run(0 startup remove 00707a91 6df72aeb --yes --machine "${MACHINE}")
run(1 startup disable 872c34f4 de54d9f3 --machine "${MACHINE}" --json)
foreach(reason "neither REG_SZ nor REG_EXPAND_SZ" "win.ini entries cannot be disabled")
  string(FIND "${output}" "${reason}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected the reason '${reason}', got:\n${output}")
  endif()
endforeach()

run(0 startup list --machine "${MACHINE}")
set(ids)
foreach(pattern "Disable  Registration  PaintShopTray" "Disable  Registration  Notes"
                "Disable  Startup Folder  C:.All Users.Start Menu.Programs.Startup.startup note")
  string(REPLACE "All Users" "Documents and Settings.All Users" pattern "${pattern}")
  id_of(id "${pattern}")
  list(APPEND ids ${id})
endforeach()
run(0 startup enable ${ids} --machine "${MACHINE}")

run(0 startup list --removed --machine "${MACHINE}")
id_of(note "file  C:.Documents and Settings.User.Start Menu.Programs.Startup.startup note")
id_of(tray "registry  PaintShopTray")
run(0 startup restore ${note} ${tray} --machine "${MACHINE}")

sorted_list(after)
if(NOT after STREQUAL before)
  string(REPLACE ";" "\n" before "${before}")
  string(REPLACE ";" "\n" after "${after}")
  message(FATAL_ERROR "the list differs after the round trip.\nbefore:\n${before}\nafter:\n${after}")
endif()
run(0 startup list --removed --machine "${MACHINE}")
if(NOT output STREQUAL "No entries.\n")
  message(FATAL_ERROR "the restoral list is not empty:\n${output}")
endif()
