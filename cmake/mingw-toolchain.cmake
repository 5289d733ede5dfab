# Shared part of the MinGW-w64 cross toolchains (posix threads). The toolchain file that includes
# this sets QV_MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32) first; the processor, the
# folder of the libraries scripts/setup builds and the Wine runner ctest uses follow from it.
if(QV_MINGW_TRIPLET MATCHES "^x86_64-")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
  set(_qv_deps mingw64)
  set(_qv_wine_run wine-run64)
elseif(QV_MINGW_TRIPLET MATCHES "^i686-")
  set(CMAKE_SYSTEM_PROCESSOR x86)
  set(_qv_deps mingw)
  set(_qv_wine_run wine-run)
else()
  message(FATAL_ERROR "mingw-toolchain.cmake: unknown QV_MINGW_TRIPLET '${QV_MINGW_TRIPLET}'")
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${QV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QV_MINGW_TRIPLET}-windres)

get_filename_component(_qv_top "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${QV_MINGW_TRIPLET} "${_qv_top}/.deps/${_qv_deps}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the test programs through Wine of the same width.
set(QV_WINE_RUN "${_qv_top}/cmake/${_qv_wine_run}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${QV_WINE_RUN})
