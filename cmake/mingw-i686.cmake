# 32-bit Windows: the kit's deliverables.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KIT_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
