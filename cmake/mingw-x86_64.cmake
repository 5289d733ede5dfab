# Cross toolchain for the 64-bit test build: the deliverables are 32-bit (mingw-i686.cmake), but
# a machine that cannot run 32-bit Linux programs cannot start 32-bit Wine, so there the same
# sources are built for x86-64 and tested under 64-bit Wine (scripts/wine-arch decides).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

get_filename_component(_qv_top "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${_qv_top}/.deps/mingw64")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the test programs through 64-bit Wine.
set(QV_WINE_RUN "${_qv_top}/cmake/wine-run64")
set(CMAKE_CROSSCOMPILING_EMULATOR ${QV_WINE_RUN})
