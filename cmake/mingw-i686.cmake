# Cross toolchain: 32-bit Windows images from Linux with MinGW-w64.
set(QV_MINGW_TRIPLET i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake")
