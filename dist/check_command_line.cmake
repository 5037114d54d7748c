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

# A mistyped option is refused with exit status 2 before any window opens.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ASAN_OPTIONS=detect_leaks=0 ${CALORIX} --no-such-option
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 2 OR NOT err MATCHES "calorix: unknown option --no-such-option")
  string(APPEND failures "--no-such-option: exit ${result}, printed '${out}' '${err}'\n")
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
