# What both MinGW-w64 toolchain files share: Debian's cross compilers for the triplet
# they set, with the posix thread model that GoogleTest builds with (it needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZOMERITA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZOMERITA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZOMERITA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZOMERITA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Never the build machine's own packages (its GoogleTest is built for Linux).
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the cross-built executables under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
