cmake_minimum_required(VERSION 3.25)
# cmake -DBUILD_DIR=... -DSTAGE=... -P stage_install.cmake
# A fresh install of the build into STAGE, prefix /usr, as a package has it.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
