# What the Windows folder holds, installed flat beside the programs:
#   cmake --install build-windows --prefix FOLDER
# Every file is named here; a missing one stops the install, not the user's first start.

set(BATHYSCRIBE_MINGW_RUNTIME "" CACHE PATH "Folders holding the MinGW runtime DLLs")
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)

install(TARGETS bathyscribe bathyscribe-cli RUNTIME DESTINATION .)

# Qt's libraries and the plugins the programs load: the Windows platform, the native style,
# and image formats (printing through Windows' printers is in Qt6PrintSupport itself).
foreach(module Core Gui Widgets PrintSupport Concurrent)
  install(FILES ${qt_bin}/Qt6${module}.dll DESTINATION .)
endforeach()
foreach(plugin platforms/qwindows styles/qwindowsvistastyle imageformats/qico imageformats/qjpeg
               imageformats/qgif)
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${qt_prefix}/plugins/${plugin}.dll DESTINATION plugins/${folder})
endforeach()

# The C++ runtime of the MinGW compiler (posix threads).
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  find_file(runtime_${runtime} ${runtime} PATHS ${BATHYSCRIBE_MINGW_RUNTIME} NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH)
  if(NOT runtime_${runtime})
    message(FATAL_ERROR "The MinGW runtime ${runtime} is not in ${BATHYSCRIBE_MINGW_RUNTIME}")
  endif()
  install(FILES ${runtime_${runtime}} DESTINATION .)
endforeach()

# Where Qt finds its plugins and its own catalogues: beside the programs, not where it was built.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
  "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)

# The catalogues: the program's own and Qt's (its dialogs and message buttons), which Debian's
# qt6-translations-l10n holds for every system alike.
install(FILES ${BATHYSCRIBE_QM_FILES} DESTINATION translations)
set(BATHYSCRIBE_QT_CATALOGUES /usr/share/qt6/translations CACHE PATH "Qt's compiled catalogues")
foreach(language ${BATHYSCRIBE_LANGUAGES})
  install(FILES ${BATHYSCRIBE_QT_CATALOGUES}/qtbase_${language}.qm DESTINATION translations)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION .)
