# Cross-building with MinGW-w64's POSIX-threads compilers, whose C++ library
# has std::thread and std::mutex (the win32-threads ones have not).
include(${CMAKE_CURRENT_LIST_DIR}/mingw64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
