# Cross build for Windows with mingw-w64's posix thread model (GoogleTest
# needs std::mutex). The toolchain files set KIT_MINGW_TARGET and include this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KIT_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KIT_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${KIT_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KIT_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
