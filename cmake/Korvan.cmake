# Helpers shared by every folder's CMakeLists.txt.
#
# A folder's library is made from every .cpp file it holds, so adding a file
# needs no CMake change. A folder with no sources yet becomes an INTERFACE
# library, so its dependants can link it before it is filled.

include_guard(GLOBAL)

# korvan_library(<target> [RECURSE] [DIRS <dir>...] [DEPS <target>...] [PRIVATE_DEPS <target>...])
# DIRS default to the calling folder; they are relative to it.
function(korvan_library target)
    cmake_parse_arguments(ARG "RECURSE" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
    if(NOT ARG_DIRS)
        set(ARG_DIRS .)
    endif()
    set(sources)
    foreach(dir IN LISTS ARG_DIRS)
        if(ARG_RECURSE)
            file(GLOB_RECURSE found CONFIGURE_DEPENDS
                 ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
        else()
            file(GLOB found CONFIGURE_DEPENDS
                 ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
        endif()
        list(APPEND sources ${found})
    endforeach()
    set(cpp_sources ${sources})
    list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
    if(cpp_sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# korvan_test(<target> DIR <dir> LABEL <label> [DEPS <target>...])
# One test program per test folder, made from every .cpp file in it and in
# its sub-folders that are not test folders themselves; each
# GoogleTest case becomes its own CTest test, labelled <label> (ctest -L), and
# the program joins the build target korvan_tests_<label>. Does nothing while
# the folder is empty. Tests run on Qt's offscreen platform and never see a
# real unit address: KORVAN_UNIT_ADDRESS is loopback for all of them.
function(korvan_test target)
    cmake_parse_arguments(ARG "" "DIR;LABEL" "DEPS" ${ARGN})
    if(NOT TARGET korvan_tests_${ARG_LABEL})
        add_custom_target(korvan_tests_${ARG_LABEL})
    endif()
    # Sub-folders belong to the program unless they are test folders of
    # their own (KORVAN_TEST_DIRS lists them all).
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
    foreach(other IN LISTS KORVAN_TEST_DIRS)
        string(FIND "${other}/" "${ARG_DIR}/" at)
        if(at EQUAL 0 AND NOT other STREQUAL ARG_DIR)
            list(FILTER sources EXCLUDE REGEX "^${other}/")
        endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY KORVAN_TEST_SOURCES ${sources})
    set(cpp_sources ${sources})
    list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
    if(NOT cpp_sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gmock GTest::gtest_main)
    # A test source is glue around the libraries it tests, which keep their
    # full optimisation: optimising it less saves a fifth of its compile.
    target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O1>)
    if(KORVAN_TEST_PCH)
        # The test framework, the standard library and (for the programs
        # that paint) Qt's headers take about a third of a test source's
        # compile time when each source reads them again; read them once
        # per program. Only headers that are not ours: a change of ours
        # rebuilds no more than before.
        set(pch <gtest/gtest.h> <algorithm> <cmath> <filesystem> <functional> <map> <memory> <optional>
            <string> <vector>)
        if(korvan_guitestsupport IN_LIST ARG_DEPS)
            list(APPEND pch <QApplication> <QFont> <QImage> <QLineEdit> <QPainter> <QPainterPath> <QPointer>
                 <QRegion> <QWidget>)
        endif()
        target_precompile_headers(${target} PRIVATE ${pch})
        # Read from a precompiled header, the standard library's inlined
        # string copies lose their standing as system code, and this
        # compiler's bounds checks misfire on them (a known false alarm on
        # `std::string(...) + "..."`). The editor's own code keeps them.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow)
        endif()
    endif()
    target_compile_definitions(${target} PRIVATE
        KORVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KORVAN_TEST_OUTPUT_DIR="${PROJECT_BINARY_DIR}/test-output")
    # The test programs run (and list their tests) under env, which sets the
    # two variables: a list-valued ENVIRONMENT property would be split
    # apart by the test discovery.
    set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR
                 env QT_QPA_PLATFORM=offscreen KORVAN_UNIT_ADDRESS=127.0.0.1)
    if(KORVAN_TESTS_PER_PROGRAM)
        # One CTest test runs the whole program: a sanitized program takes
        # about a second to start, which per case costs more than the cases.
        add_test(NAME ${target}
                 COMMAND env QT_QPA_PLATFORM=offscreen KORVAN_UNIT_ADDRESS=127.0.0.1
                         $<TARGET_FILE:${target}> --gtest_brief=1)
        set_tests_properties(${target} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 900)
    else()
        gtest_discover_tests(${target}
            DISCOVERY_MODE PRE_TEST
            PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 120)
    endif()
    add_dependencies(korvan_tests_${ARG_LABEL} ${target})
endfunction()
