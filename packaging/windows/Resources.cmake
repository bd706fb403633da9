# The Windows resources of both programs: icon and version. The icon is drawn from the SVG by the
# Linux build's render-icon (the Windows build has no Qt SVG), which tools/package-windows names.
set(BATHYSCRIBE_WINDOWS_ICON "" CACHE FILEPATH "The program's icon as a Windows .ico file")
if(NOT EXISTS "${BATHYSCRIBE_WINDOWS_ICON}")
  message(FATAL_ERROR "BATHYSCRIBE_WINDOWS_ICON must name the .ico file that the Linux build "
                      "draws (build/packaging/icons/bathyscribe.ico); tools/package-windows does.")
endif()
foreach(program app cli)
  if(program STREQUAL app)
    set(BATHYSCRIBE_RC_NAME bathyscribe)
    set(BATHYSCRIBE_RC_DESCRIPTION "Bathyscribe, viewer for Datatrak dive logbooks")
  else()
    set(BATHYSCRIBE_RC_NAME bathyscribe-cli)
    set(BATHYSCRIBE_RC_DESCRIPTION "Bathyscribe command-line tool")
  endif()
  set(BATHYSCRIBE_RC_FILE ${BATHYSCRIBE_RC_NAME}.exe)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/bathyscribe.rc.in
                 ${CMAKE_BINARY_DIR}/resources/${BATHYSCRIBE_RC_NAME}.rc @ONLY)
endforeach()
set(BATHYSCRIBE_APP_RESOURCE ${CMAKE_BINARY_DIR}/resources/bathyscribe.rc)
set(BATHYSCRIBE_CLI_RESOURCE ${CMAKE_BINARY_DIR}/resources/bathyscribe-cli.rc)
