# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs).
#   BATHYSCRIBE_WINDOWS_PREFIXES   the prefixes built for Windows (Qt, pugixml, GoogleTest)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")
# Libraries, headers and packages come from the MinGW sysroot and the prefixes built for Windows;
# programs (moc, lrelease) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${BATHYSCRIBE_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
