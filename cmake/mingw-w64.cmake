# Cross-compiles the Windows DLL and programs with Debian's mingw-w64 (POSIX threads flavour,
# for std::thread and std::mutex). KAVELIN_WINDOWS_ARCH=i686 builds for 32-bit Windows instead,
# where the COM methods' calling convention is part of the virtual table contract.
if(NOT KAVELIN_WINDOWS_ARCH)
    set(KAVELIN_WINDOWS_ARCH x86_64)
endif()
# The compiler checks configure their own projects with this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KAVELIN_WINDOWS_ARCH)
set(kavelin_windows_triple ${KAVELIN_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KAVELIN_WINDOWS_ARCH})
set(CMAKE_C_COMPILER ${kavelin_windows_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kavelin_windows_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${kavelin_windows_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${kavelin_windows_triple})
# Build tools (soapcpp2) are the machine's own; libraries and headers the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
