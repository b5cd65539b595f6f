# GoogleTest from Debian: the packaged library natively, the packaged sources
# built here for the win32 tree.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(zor_gtest INTERFACE)
    target_link_libraries(zor_gtest INTERFACE gtest gtest_main)
else()
    find_package(GTest REQUIRED)
    add_library(zor_gtest INTERFACE)
    target_link_libraries(zor_gtest INTERFACE GTest::gtest GTest::gtest_main)
endif()

# Registers a test program: each case on its own natively; under Wine the
# whole program is one run, since every Wine process start is costly.
# zor_add_gtest(TARGET [PROPERTIES NAME VALUE...]) gives its tests the
# properties.
#
# A test program's sources compile as a few unity files: each test file
# spends most of its compile reading the same GoogleTest and standard
# headers, so reading them once for several files halves the test
# programs' share of every tree's build. Test programs carry line tables
# alone, enough for a failure's file and line and a crash's stack, and a
# quarter quicker to compile than a debugger's full view.
option(ZOR_TEST_FULL_DEBUG_INFO "Test programs with full debug information, for stepping through them in a debugger" OFF)
function(zor_add_gtest target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
    target_link_libraries(${target} PRIVATE zor_gtest)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    if(NOT ZOR_TEST_FULL_DEBUG_INFO)
        target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo>:-g1>)
    endif()
    set(properties)
    if(arg_PROPERTIES)
        set(properties PROPERTIES ${arg_PROPERTIES})
    endif()
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
        if(properties)
            set_tests_properties(${target} ${properties})
        endif()
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${properties})
    endif()
endfunction()

# The whole program in one process, its cases shuffled, under two fixed
# seeds (so a failure can be run again): no case may depend on the order.
# Native builds only; under Wine every program already runs whole. The
# sanitized tree, whose runs are several times slower, takes the first seed
# alone, and leaves out the cases named by SANITIZED_LEAVING_OUT (a gtest
# filter): cases so long that they would make its shuffled run the longest
# part of the test command, run on their own there, and shuffled in the
# plain native tree.
function(zor_add_shuffled_runs target)
    cmake_parse_arguments(PARSE_ARGV 1 shuffled "" "SANITIZED_LEAVING_OUT" "")
    if(CMAKE_CROSSCOMPILING)
        return()
    endif()
    set(seeds 1 2)
    set(filter)
    if(ZOR_SANITIZE)
        set(seeds 1)
        if(shuffled_SANITIZED_LEAVING_OUT)
            set(filter --gtest_filter=-${shuffled_SANITIZED_LEAVING_OUT})
        endif()
    endif()
    foreach(seed IN LISTS seeds)
        add_test(NAME ${target}_shuffled_${seed}
                 COMMAND ${target} --gtest_shuffle --gtest_random_seed=${seed} --gtest_brief=1 ${filter})
        # The longest runs of a tree: started first, the single cases fill
        # the other cores around them instead of leaving them idle at the end.
        set_tests_properties(${target}_shuffled_${seed} PROPERTIES COST 1000)
    endforeach()
endfunction()
