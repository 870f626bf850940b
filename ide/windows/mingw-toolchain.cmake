# Cross compiling the IDE for Windows with a mingw-w64 -posix compiler
# (winpthreads, which the editor engine's std::mutex and std::future need).
# KFORGE_ARCH selects the target: x86_64 or i686.
if(NOT KFORGE_ARCH MATCHES "^(x86_64|i686)$")
  message(FATAL_ERROR "KFORGE_ARCH must be x86_64 or i686, not '${KFORGE_ARCH}'")
endif()
# try_compile projects read this file again and need the target too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KFORGE_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KFORGE_ARCH})
set(mingw_triple ${KFORGE_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is self-contained: no libstdc++, libgcc or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
