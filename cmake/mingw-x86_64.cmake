# Cross-compiles the same sources for 64-bit Windows, to run the tests under Wine's
# 64-bit loader where a machine cannot execute 32-bit x86 code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZOMERITA_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
