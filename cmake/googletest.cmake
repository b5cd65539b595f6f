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
function(zor_add_gtest target)
    target_link_libraries(${target} PRIVATE zor_gtest)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
