cmake_minimum_required(VERSION 3.25)
# cmake -DCALORIX=<program> -P check_command_line.cmake
# --help and --version answer on a text console: no display is reachable
# here, so opening a window would abort instead of printing.
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
               QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0)
set(failures "")

execute_process(COMMAND ${no_display} ${CALORIX} --version RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out STREQUAL "CALORIX 1.0\n")
  string(APPEND failures "--version: exit ${result}, printed '${out}' ${err}\n")
endif()

execute_process(COMMAND ${no_display} ${CALORIX} --no-pause --help RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "^Usage: calorix ")
  string(APPEND failures "--help: exit ${result}, printed '${out}' ${err}\n")
endif()

# A mistyped option, a second file and a file to open on a console without a
# display are refused with exit status 2 before any window system is opened:
# no DISPLAY and no QT_QPA_PLATFORM, as on a text console.
set(console ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0)
function(expect_refusal expected)
  execute_process(COMMAND ${console} ${CALORIX} ${ARGN} RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^${expected}")
    set(failures "${failures}${ARGN}: exit ${result}, printed '${out}' '${err}'\n" PARENT_SCOPE)
  endif()
endfunction()
expect_refusal("calorix: unknown option --no-such-option\nTry 'calorix --help'" --no-such-option)
expect_refusal("calorix: only one problem file can be opened: b.clx\n" a.clx b.clx)
expect_refusal("calorix: no display to open the window on \\(DISPLAY is not set\\)" -- --help)
expect_refusal("calorix: no display" -platform xcb a.clx)

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
