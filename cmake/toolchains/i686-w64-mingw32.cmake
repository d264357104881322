# Cross-builds 32-bit Windows programs with Debian's MinGW-w64 (package g++-mingw-w64-i686), the
# variant with POSIX threads, so that std::thread and std::mutex are available.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(SPANWISE_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${SPANWISE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SPANWISE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SPANWISE_MINGW_TRIPLET}-windres)

# Libraries and headers come from the target's sysroot only; programs (windres, the Wine loader)
# from the build machine. Packages may also come from the build machine: CLI11 and nlohmann-json
# are header-only and the same for every target.
set(CMAKE_FIND_ROOT_PATH /usr/${SPANWISE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Every program links the C and C++ runtimes and winpthreads in, so that it needs no DLL beyond
# those Windows itself has. Doubles are computed with SSE2, as on x64 and Linux: the x87 unit's
# wider intermediates would round some results differently, and every answer must be the same
# bytes on every system. SSE2 came with the Pentium 4 and the Athlon 64; Windows 8 and later need
# it anyway.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
