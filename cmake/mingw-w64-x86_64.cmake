# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The target Qt is found through CMAKE_PREFIX_PATH; the host Qt (moc, rcc, uic) through QT_HOST_PATH.
# Raise the version with any change that alters what this file builds: the cached Windows Qt is
# keyed on it (tools/build_windows_qt.sh), not on the file's text.
set(DICEWRIGHT_TOOLCHAIN_VERSION 1)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Search the target's libraries and headers only in the MinGW sysroot and the target prefixes,
# never on the Linux host; programs (the compilers, makensis, wine) come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: the GCC runtime, libstdc++ and winpthreads linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
