# Cross-build for 32-bit Windows with mingw-w64. These machines cannot run
# 32-bit programs (no 32-bit kernel support), so no emulator is set: the
# build must compile and link, its tests are built but not run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TALVENOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
