# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix thread model, for std::mutex
# and std::thread). Programs are linked statically so that they run without the MinGW DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESULI_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESULI_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESULI_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TESULI_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESULI_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
