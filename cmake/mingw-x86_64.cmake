# Cross toolchain for the 64-bit test build: the deliverables are 32-bit (mingw-i686.cmake), but
# a machine that cannot run 32-bit Linux programs cannot start 32-bit Wine, so there the same
# sources are built for x86-64 and tested under 64-bit Wine (scripts/wine-arch decides).
set(QV_MINGW_TRIPLET x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake")
