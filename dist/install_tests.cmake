# The installed program answers --help and --version.
add_test(NAME command_line_answers
         COMMAND ${CMAKE_COMMAND} -DCALORIX=$<TARGET_FILE:calorix>
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/check_command_line.cmake)

# Install into a scratch DESTDIR, then let the freedesktop validators read
# what a package would ship.  A machine without the validators still
# configures, but its suite fails on one test that names what is missing
# instead of passing unchecked (./test.sh installs them).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
find_program(XMLLINT xmllint)
find_program(UPDATE_MIME_DATABASE update-mime-database)
set(missing_validators "")
foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI XMLLINT UPDATE_MIME_DATABASE)
  if(NOT ${tool})
    list(APPEND missing_validators ${tool})
  endif()
endforeach()
if(missing_validators)
  string(REPLACE ";" ", " missing_text "${missing_validators}")
  message(STATUS "Install validators not found (${missing_text}): the install checks "
                 "fail until desktop-file-utils, appstream, libxml2-utils and "
                 "shared-mime-info are installed")
  add_test(NAME install_validators_present
           COMMAND ${CMAKE_COMMAND} -E echo "missing install validators: ${missing_text}")
  set_tests_properties(install_validators_present PROPERTIES FAIL_REGULAR_EXPRESSION "missing")
  return()
endif()

set(stage ${CMAKE_BINARY_DIR}/install-check)
set(root ${stage}/usr)
add_test(NAME install_into_destdir
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSTAGE=${stage}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/stage_install.cmake)
set_tests_properties(install_into_destdir PROPERTIES FIXTURES_SETUP calorix_installed)

add_test(NAME desktop_file_validate
         COMMAND ${DESKTOP_FILE_VALIDATE}
                 ${root}/${CMAKE_INSTALL_DATADIR}/applications/${CALORIX_APP_ID}.desktop)
add_test(NAME appstream_validate
         COMMAND ${APPSTREAMCLI} validate --no-net
                 ${root}/${CMAKE_INSTALL_DATADIR}/metainfo/${CALORIX_APP_ID}.metainfo.xml)
add_test(NAME xmllint_mime_and_icon
         COMMAND ${XMLLINT} --noout --nonet ${CMAKE_CURRENT_SOURCE_DIR}/${CALORIX_APP_ID}.svg
                 ${root}/${CMAKE_INSTALL_DATADIR}/mime/packages/${CALORIX_APP_ID}.xml)
# A list would be split into separate arguments on the command line.
string(REPLACE ";" "," icon_sizes "${CALORIX_ICON_SIZES}")
add_test(NAME installed_files_agree
         COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DAPP_ID=${CALORIX_APP_ID}
                 -DSIZES=${icon_sizes} -DUPDATE_MIME_DATABASE=${UPDATE_MIME_DATABASE}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/check_install.cmake)
set_tests_properties(desktop_file_validate appstream_validate xmllint_mime_and_icon installed_files_agree
                     PROPERTIES FIXTURES_REQUIRED calorix_installed)
