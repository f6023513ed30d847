# Shared by the two mingw-w64 toolchain files; TARNIX_MINGW_TRIPLET names the target.
set(CMAKE_C_COMPILER ${TARNIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARNIX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARNIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# libgcc, libstdc++ and winpthread go into every binary, so that it imports
# system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
