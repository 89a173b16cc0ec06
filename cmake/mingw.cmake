# Cross build for Windows with mingw-w64. The toolchain files set
# KIT_MINGW_TARGET and include this.
#
# The thread model depends on the tree (KIT_TREE):
#   programs  the kit's programs, the driver and the benchmark: win32 threads.
#             The posix model's runtime imports GetTickCount64, which Windows
#             XP lacks, and none of these programs needs std::mutex.
#   tests     the test programs: posix threads, since GoogleTest needs std::mutex.
set(KIT_TREE tests CACHE STRING "Which part of the kit this Windows tree builds: programs or tests")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KIT_TREE KIT_MINGW_TARGET)
if(KIT_TREE STREQUAL "programs")
    set(KIT_MINGW_THREADS win32)
else()
    set(KIT_MINGW_THREADS posix)
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KIT_MINGW_TARGET}-gcc-${KIT_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${KIT_MINGW_TARGET}-g++-${KIT_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${KIT_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KIT_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
