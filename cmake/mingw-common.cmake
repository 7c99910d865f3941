# Shared by the mingw toolchain files; TALVENOR_MINGW_TRIPLE names the target.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model's
# libstdc++ lacks in this compiler version. Linked statically, it needs no DLL.
set(CMAKE_C_COMPILER ${TALVENOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVENOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVENOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALVENOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
