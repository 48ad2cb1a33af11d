# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, so that
# std::thread and Qt's threads share one runtime).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(hill_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${hill_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${hill_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${hill_mingw}-windres)

# Libraries and headers come only from the MinGW sysroot and the cross-built Qt (added
# through CMAKE_PREFIX_PATH); programs run during the build come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${hill_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
