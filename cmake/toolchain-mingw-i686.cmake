# Cross-builds the Windows modules with Debian's mingw-w64 compilers (i686).
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The "posix" thread model: std::mutex and std::thread, which GoogleTest uses.
set(KELVANE_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVANE_MINGW_PREFIX}-windres)

# Debian's mingw libraries (zlib), and brotli's decoder as
# scripts/setup-windows-build.sh builds it from Debian's source package.
set(CMAKE_FIND_ROOT_PATH /usr/${KELVANE_MINGW_PREFIX}
  /opt/kelvane-mingw-brotli/${KELVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
