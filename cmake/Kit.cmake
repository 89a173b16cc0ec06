# Build rules shared by every unit. The windows and windows64 presets
# cross-compile the programs, the driver and the Wine tests from the same
# sources; the host preset builds only the pure logic, its unit tests and the
# fuzz targets, under the sanitizers.

set(KIT_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(KIT_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs in the test suite")

add_compile_options(-Wall -Wextra)

if(WIN32)
    # The window programs carry a manifest and a version resource (windres).
    enable_language(RC)
    set(KIT_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
    set(KIT_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/test-bin)
    # The Russian texts of the sources are UTF-8; the programs hold them in Windows-1251.
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=CP1251>)
    # Without the C++ runtime linked in, Wine cannot start the programs (c0000135).
    add_link_options(-static)
    # A 32-bit program keeps 2 GB of address space whatever the linker's
    # default: the tester's "a 2 GB count cannot be allocated" rests on it.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        add_link_options(-Wl,--disable-large-address-aware)
    endif()

    # Windows path of the bin folder as Wine's Z: drive sees it, for the tests.
    string(REPLACE "/" "\\\\" KIT_BIN_DIR_WINDOWS "Z:${KIT_BIN_DIR}\\\\")

    # The Wine session runs this build's programs in a prefix of the same width.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(KIT_WINE_ARCH win64)
    else()
        set(KIT_WINE_ARCH win32)
    endif()
    file(WRITE ${CMAKE_BINARY_DIR}/wine-arch "${KIT_WINE_ARCH}\n")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
else()
    set(KIT_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                       -fno-omit-frame-pointer)
    add_compile_options(${KIT_SANITIZERS} -fsanitize=fuzzer-no-link)
    add_link_options(${KIT_SANITIZERS})
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${KIT_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not ours to warn about.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# kit_windows_program(NAME CONSOLE|GUI SOURCES... [LIBS ...]): a deliverable in bin/.
function(kit_windows_program name kind)
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    if(kind STREQUAL "GUI")
        add_executable(${name} WIN32 ${P_SOURCES})
    else()
        add_executable(${name} ${P_SOURCES})
    endif()
    target_link_libraries(${name} PRIVATE ${P_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KIT_BIN_DIR})
endfunction()

# kit_host_test(NAME SOURCES... [LIBS ...]): GoogleTest unit test of pure logic.
function(kit_host_test name)
    if(WIN32)
        return()
    endif()
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${P_SOURCES})
    target_link_libraries(${name} PRIVATE ${P_LIBS} gtest_main)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# kit_fuzz_target(NAME SOURCES... [LIBS ...]): libFuzzer target, run for a bounded time.
function(kit_fuzz_target name)
    if(WIN32)
        return()
    endif()
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${P_SOURCES})
    target_link_libraries(${name} PRIVATE ${P_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${KIT_FUZZ_SECONDS} -rss_limit_mb=2048)
endfunction()

# kit_wine_test(NAME SOURCES... [LIBS ...] [DEPENDS targets...]): GoogleTest program
# run under Wine in the build's private prefix. Tests that share the prefix's
# services and DOS names run one at a time.
function(kit_wine_test name)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(P "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
    add_executable(${name} ${P_SOURCES})
    target_link_libraries(${name} PRIVATE ${P_LIBS} kit_test_support gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KIT_TEST_BIN_DIR})
    # Programs a test starts are built with it; one not (yet) defined is skipped.
    foreach(dependency ${P_DEPENDS})
        if(TARGET ${dependency})
            add_dependencies(${name} ${dependency})
        endif()
    endforeach()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session RUN_SERIAL ON
                                            TIMEOUT 600)
endfunction()
