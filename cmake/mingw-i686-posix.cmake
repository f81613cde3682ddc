# The 32-bit Windows test executables and test tools: the posix thread model,
# which GoogleTest needs.  Never used for a shipped file.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
