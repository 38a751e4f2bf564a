# Cross-compiles for 32-bit Windows, the program that ships, with Debian's MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZOMERITA_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
