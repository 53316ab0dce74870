# Cross toolchain: 64-bit Windows programs built with mingw-w64 (posix
# threads). The shipped programs are 32-bit; this build runs the tests on
# hosts whose kernel cannot execute 32-bit code (Wine's 32-bit loader fails
# there), through Wine's 64-bit loader.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test binaries run through Wine's 64-bit loader, on any host.
set(CMAKE_CROSSCOMPILING_EMULATOR env ORVANEL_FORCE_WIN64=1 ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
