# Cross-compiling for Windows with Debian's MinGW-w64 (the win32 thread
# model: no libwinpthread, so the program links fully static). Included by
# the toolchain file of each processor, which sets CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(QUIZ_MINGW_PREFIX ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_CXX_COMPILER ${QUIZ_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${QUIZ_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUIZ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
