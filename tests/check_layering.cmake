cmake_minimum_required(VERSION 3.25)
# cmake -DSOURCE_DIR=<project> -P check_layering.cmake
# The folders form layers and a file includes only from its own layer or the
# ones below it, so each folder can be read, built and tested without the
# ones above it.  The windows that open others sit above them: the input
# window opens the material library and the help screen, and the program's
# start-up puts the start-up screen in front of the input window.  Tests,
# benchmarks and packaging may include anything.
set(layers common solvers analysis output "materials|about" input app)

function(layer_of folder out)
  set(rank -1)
  set(i 0)
  foreach(layer ${layers})
    string(REPLACE "|" ";" members "${layer}")
    if(folder IN_LIST members)
      set(rank ${i})
    endif()
    math(EXPR i "${i} + 1")
  endforeach()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

set(upward "")
foreach(layer ${layers})
  string(REPLACE "|" ";" members "${layer}")
  foreach(folder ${members})
    layer_of(${folder} own)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    foreach(source ${sources})
      file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
      foreach(line ${includes})
        string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*$" "\\1" target "${line}")
        layer_of(${target} theirs)
        if(theirs GREATER own)
          file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
          list(APPEND upward "${name} includes ${target}/")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(upward)
  string(REPLACE ";" "\n  " text "${upward}")
  message(FATAL_ERROR "Includes that go up a layer:\n  ${text}")
endif()
