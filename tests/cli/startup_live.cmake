# halvex-cli startup on the live Wine system: a HKEY_CURRENT_USER Run value (REG_EXPAND_SZ) and
# a file in a folder the test points the user's "Startup" shell folder at are disabled, listed
# as disabled, and enabled again; both end as they began, and the shell folder and the value
# are put back whatever happened.
#   -DPROGRAM=<halvex-cli.exe>   -DEMULATOR=<wine-run>   -DWINEPREFIX=<prefix>
cmake_policy(SET CMP0007 NEW)

# The program keeps its backup files beside itself, so it runs from a folder of drive C:: a
# build tree outside the drives gives it a program folder the system cannot create folders in.
if(EXISTS "${PROGRAM}")
  file(COPY "${PROGRAM}" DESTINATION "${WINEPREFIX}/drive_c/halvex-test/bin")
  set(PROGRAM "C:\\halvex-test\\bin\\halvex-cli.exe")
endif()

set(shell_folders "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")
set(run_key "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run")
set(folder_host "${WINEPREFIX}/drive_c/halvex-test/startup")
set(folder "C:\\halvex-test\\startup")

function(reg)
  execute_process(COMMAND ${EMULATOR} reg ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_QUIET)
  string(REPLACE "\r\n" "\n" output "${output}")
  set(reg_code "${code}" PARENT_SCOPE)
  set(reg_output "${output}" PARENT_SCOPE)
endfunction()

# The user's startup folder as it was, to be put back at the end.
reg(query "${shell_folders}" /v Startup)
set(old_startup "")
if(reg_code EQUAL 0 AND reg_output MATCHES "Startup[ \t]+REG_[A-Z_]+[ \t]+([^\n]*)")
  set(old_startup "${CMAKE_MATCH_1}")
endif()

function(clean_up)
  reg(delete "${run_key}" /v HalvexLiveStartup /f)
  if(old_startup STREQUAL "")
    reg(delete "${shell_folders}" /v Startup /f)
  else()
    reg(add "${shell_folders}" /v Startup /d "${old_startup}" /f)
  endif()
  file(REMOVE_RECURSE "${folder_host}")
endfunction()

function(fail message)
  clean_up()
  message(FATAL_ERROR "${message}")
endfunction()

function(run expected_exit)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REPLACE "\r\n" "\n" output "${output}")
  if(NOT code STREQUAL expected_exit)
    fail("halvex-cli ${ARGN}: expected exit code ${expected_exit}, got ${code}\n"
         "standard error:\n${errors}\nstandard output:\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

function(id_of variable pattern)
  string(REGEX MATCH "([0-9a-f-]+)  ${pattern}" found "${output}")
  if(NOT found)
    fail("no row matches '${pattern}' in:\n${output}")
  endif()
  set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(expect_state value_present file_present)
  reg(query "${run_key}" /v HalvexLiveStartup)
  if(value_present AND NOT reg_output MATCHES "REG_EXPAND_SZ[ \t]+%SystemRoot%\\\\notepad.exe")
    fail("the Run value is not there as REG_EXPAND_SZ:\n${reg_output}")
  elseif(NOT value_present AND reg_code EQUAL 0)
    fail("the Run value is still there:\n${reg_output}")
  endif()
  if(file_present AND NOT EXISTS "${folder_host}/halvex-live.txt")
    fail("the startup file is not there")
  elseif(NOT file_present AND EXISTS "${folder_host}/halvex-live.txt")
    fail("the startup file is still there")
  endif()
endfunction()

file(REMOVE_RECURSE "${folder_host}")
file(WRITE "${folder_host}/halvex-live.txt" "started at logon\r\n")
reg(add "${shell_folders}" /v Startup /d "${folder}" /f)
reg(add "${run_key}" /v HalvexLiveStartup /t REG_EXPAND_SZ /d "%SystemRoot%\\notepad.exe" /f)
expect_state(TRUE TRUE)
file(READ "${folder_host}/halvex-live.txt" bytes_before HEX)

run(0 startup list)
id_of(value "Enable  Registration  HalvexLiveStartup")
id_of(file "Enable  Startup Folder  halvex-live.txt")
run(0 startup disable ${value} ${file})
expect_state(FALSE FALSE)

run(0 startup list)
id_of(value "Disable  Registration  HalvexLiveStartup")
id_of(file "Disable  Startup Folder  C:.halvex-test.startup.halvex-live.txt")
run(0 startup enable ${value} ${file})
expect_state(TRUE TRUE)
file(READ "${folder_host}/halvex-live.txt" bytes_after HEX)
if(NOT bytes_after STREQUAL bytes_before)
  fail("the startup file came back otherwise: ${bytes_after}, was ${bytes_before}")
endif()
clean_up()
