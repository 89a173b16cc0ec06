# Build rules shared by every unit. The windows and windows64 presets
# cross-compile the programs, the driver and the Wine tests from the same
# sources; the host preset builds only the pure logic, its unit tests and the
# fuzz targets, under the sanitizers.

set(KIT_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(KIT_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs in the test suite")

add_compile_options(-Wall -Wextra)
set(KIT_SOURCE_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

if(WIN32)
    # The window programs carry a manifest and a version resource (windres).
    enable_language(RC)
    # The programs' tree is configured by the tests' tree, which hands it
    # these folders: everything lands in the one build folder.
    set(KIT_BIN_DIR ${CMAKE_BINARY_DIR}/bin CACHE PATH "Where the kit's programs and the driver go")
    set(KIT_BENCH_BIN_DIR ${CMAKE_BINARY_DIR}/bench-bin CACHE PATH "Where the benchmark's programs go")
    set(KIT_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/test-bin)
    # The Russian texts of the sources are UTF-8; the programs hold them in Windows-1251.
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=CP1251>)
    # Source names that end up in the images (assertion texts) name no folder
    # of the build machine.
    add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
                        -ffile-prefix-map=${KIT_GOOGLETEST_DIR}/=googletest/)
    # Without the C++ runtime linked in, Wine cannot start the programs
    # (c0000135); -s leaves out the runtime's debug sections.
    add_link_options(-static -s)
    # The width of this tree's Windows images, 32 or 64, for every unit.
    math(EXPR KIT_BITS "${CMAKE_SIZEOF_VOID_P} * 8")
    # A 32-bit program keeps 2 GB of address space whatever the linker's
    # default: the tester's "a 2 GB count cannot be allocated" rests on it.
    if(KIT_BITS EQUAL 32)
        add_link_options(-Wl,--disable-large-address-aware)
    endif()

    if(KIT_TREE STREQUAL "tests")
        # The Wine session runs this build's programs in a prefix of the same width.
        file(WRITE ${CMAKE_BINARY_DIR}/wine-arch "win${KIT_BITS}\n")
        configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                        GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

        # The programs' own tree, inside this one, with the win32 thread model.
        include(ExternalProject)
        ExternalProject_Add(kit_programs
            SOURCE_DIR ${CMAKE_SOURCE_DIR}
            BINARY_DIR ${CMAKE_BINARY_DIR}/programs
            CMAKE_GENERATOR ${CMAKE_GENERATOR}
            CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DKIT_TREE=programs
                       -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DKIT_BIN_DIR=${KIT_BIN_DIR}
                       -DKIT_BENCH_BIN_DIR=${KIT_BENCH_BIN_DIR}
                       -DKIT_GOOGLETEST_DIR=${KIT_GOOGLETEST_DIR}
            INSTALL_COMMAND ""
            BUILD_ALWAYS ON
            USES_TERMINAL_BUILD ON)
    endif()
else()
    set(KIT_TREE host)
    set(KIT_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                       -fno-omit-frame-pointer)
    add_compile_options(${KIT_SANITIZERS} -fsanitize=fuzzer-no-link)
    add_link_options(${KIT_SANITIZERS})
endif()

if(NOT KIT_TREE STREQUAL "programs")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${KIT_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own sources are not ours to warn about.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
endif()

# What a manifest adds. DPI awareness: the windows lay themselves out at the
# screen's real DPI, and the test programs that measure them must see that
# same DPI, not the virtual 96 dpi that Windows 8.1 and later give a program
# without it. Common controls 6: the windows' look.
set(KIT_DPI_AWARE_MANIFEST_PART [[
  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>
    </windowsSettings>
  </application>]])
set(KIT_COMMON_CONTROLS_MANIFEST_PART [[
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>]])

# kit_program_resources(TARGET DESCRIPTION LEVEL [PARTS...]): gives TARGET a
# manifest that asks for the execution level LEVEL and adds PARTS, and a
# version resource.
function(kit_program_resources target description level)
    set(KIT_PROGRAM_NAME ${target})
    set(KIT_PROGRAM_DESCRIPTION ${description})
    set(KIT_PROGRAM_LEVEL ${level})
    set(KIT_PROGRAM_PARTS "")
    foreach(part ${ARGN})
        string(APPEND KIT_PROGRAM_PARTS "\n${part}")
    endforeach()
    set(KIT_PROGRAM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${KIT_SOURCE_CMAKE_DIR}/Program.manifest.in ${KIT_PROGRAM_MANIFEST} @ONLY)
    configure_file(${KIT_SOURCE_CMAKE_DIR}/Program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc
                   @ONLY)
    # The .rc names the manifest by path and does not change with it: the
    # resource is compiled again whenever the manifest's text changes.
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES
                                OBJECT_DEPENDS ${KIT_PROGRAM_MANIFEST})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

# kit_windows_program(NAME CONSOLE|GUI SOURCES... [LIBS ...]
#                     [DESCRIPTION text LEVEL asInvoker|highestAvailable]):
# a program of the kit in bin/, built in the programs' tree only. With a
# DESCRIPTION it carries a manifest that asks for LEVEL and a version resource.
function(kit_windows_program name kind)
    if(NOT KIT_TREE STREQUAL "programs")
        return()
    endif()
    cmake_parse_arguments(P "" "DESCRIPTION;LEVEL" "SOURCES;LIBS" ${ARGN})
    if(kind STREQUAL "GUI")
        add_executable(${name} WIN32 ${P_SOURCES})
    else()
        add_executable(${name} ${P_SOURCES})
    endif()
    if(P_DESCRIPTION)
        if(kind STREQUAL "GUI")
            kit_program_resources(${name} "${P_DESCRIPTION}" ${P_LEVEL}
                                  "${KIT_DPI_AWARE_MANIFEST_PART}"
                                  "${KIT_COMMON_CONTROLS_MANIFEST_PART}")
        else()
            kit_program_resources(${name} "${P_DESCRIPTION}" ${P_LEVEL})
        endif()
    endif()
    target_link_libraries(${name} PRIVATE ${P_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KIT_BIN_DIR})
endfunction()

# kit_test_program_resources(TARGET): a test program runs as the user who
# starts it and sees the screen's DPI as the kit's windows do.
function(kit_test_program_resources target)
    kit_program_resources(${target} "Norvalex kit tests: ${target}" asInvoker
                          "${KIT_DPI_AWARE_MANIFEST_PART}")
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
    if(NOT KIT_TREE STREQUAL "tests")
        return()
    endif()
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${P_SOURCES})
    kit_test_program_resources(${name})
    target_link_libraries(${name} PRIVATE ${P_LIBS} kit_test_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KIT_TEST_BIN_DIR})
    # The programs a test starts come from the programs' tree.
    add_dependencies(${name} kit_programs)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session RUN_SERIAL ON
                                            TIMEOUT 600)
    set_property(GLOBAL APPEND PROPERTY KIT_WINE_TEST_PROGRAMS ${name})
endfunction()
