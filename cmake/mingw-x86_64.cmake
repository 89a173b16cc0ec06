# 64-bit Windows: the same sources, for hosts that cannot run 32-bit code and
# for the 64-bit driver.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KIT_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
