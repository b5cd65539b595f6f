# The release a user unzips into the simulator's folder: dist/ laid out as
# it lands there (the module and the tone in the gauges folder, the install
# note, the example panel lines, the bench for Windows, SHA256SUMS), and
# release/KRV_ZOR_V1_02-VERSION.zip of it.
if(NOT WIN32)
    return()
endif()
set(ZOR_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(ZOR_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
# The shipped programs without their debug sections; each one's debug
# information stays beside it here, named by its debug link, so addr2line
# or gdb on the stripped file reads a crash address from a user.
set(ZOR_STRIPPED_DIR ${CMAKE_BINARY_DIR}/stripped)
file(MAKE_DIRECTORY ${ZOR_STRIPPED_DIR})

# zor_stripped_copy(TARGET FILE_VAR STAMP_VAR): the stripped file, and the
# stamp that stands for it in dependencies.
function(zor_stripped_copy target file_var stamp_var)
    set(stripped ${ZOR_STRIPPED_DIR}/$<TARGET_FILE_NAME:${target}>)
    add_custom_command(OUTPUT ${ZOR_STRIPPED_DIR}/${target}.stamp
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${stripped}.debug
        COMMAND ${CMAKE_STRIP} --strip-debug -o ${stripped} $<TARGET_FILE:${target}>
        # Run from the folder so the link holds the bare name.
        COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug $<TARGET_FILE_NAME:${target}>
        COMMAND ${CMAKE_COMMAND} -E touch ${ZOR_STRIPPED_DIR}/${target}.stamp
        WORKING_DIRECTORY ${ZOR_STRIPPED_DIR}
        DEPENDS ${target} $<TARGET_FILE:${target}>
        COMMENT "Stripping ${target} for the release")
    set(${file_var} ${stripped} PARENT_SCOPE)
    set(${stamp_var} ${ZOR_STRIPPED_DIR}/${target}.stamp PARENT_SCOPE)
endfunction()

zor_stripped_copy(zor_gau shipped_module shipped_module_stamp)
zor_stripped_copy(zor_panel_host shipped_host shipped_host_stamp)
# The module as the zip holds it, for the tests of the module file.
set(ZOR_SHIPPED_MODULE ${ZOR_DIST_DIR}/${ZOR_ALERT_TONE_FOLDER}/KRV_ZOR_V1_02.gau)

# The bench's demo panel (what it opens given no scenario), the demo flight
# and a few scenarios beside its executable.
set(release_scenarios bench_demo demo_flight climb_to_1000m power_and_controls zor_2_alone)
set(release_scenario_files "")
foreach(name IN LISTS release_scenarios)
    list(APPEND release_scenario_files ${PROJECT_SOURCE_DIR}/scenarios/${name}.txt)
endforeach()
string(REPLACE ";" "," release_scenario_list "${release_scenario_files}")

# The bench's web page in the release's Web/ folder, from a web tree built
# before this one (scripts/build.sh builds it first); none when not given.
set(ZOR_WEB_TREE "" CACHE PATH "web build tree whose page the release's Web folder carries")
set(release_web_page "")
if(ZOR_WEB_TREE)
    set(release_web_page ${ZOR_WEB_TREE}/dist/web/zor_bench.html)
endif()

set(release_stamp ${ZOR_RELEASE_DIR}/stamp)
add_custom_command(OUTPUT ${release_stamp}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${ZOR_DIST_DIR} -DZIP_FOLDER=${ZOR_RELEASE_DIR} -DNAME=KRV_ZOR_V1_02
            -DMODULE=${shipped_module} -DHOST=${shipped_host} -DTONE=${ZOR_ALERT_WAV}
            -DTONE_PATH=${ZOR_ALERT_TONE_INSTALL_PATH} -DTEMPLATES=${PROJECT_SOURCE_DIR}/dist-template
            -DSCENARIOS=${release_scenario_list} -DZIP=zip -DWEB_PAGE=${release_web_page}
            -P ${PROJECT_SOURCE_DIR}/cmake/assemble_release.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${release_stamp}
    DEPENDS ${shipped_module_stamp} ${shipped_host_stamp} zor_sounds ${ZOR_ALERT_WAV}
            ${PROJECT_SOURCE_DIR}/cmake/assemble_release.cmake ${PROJECT_SOURCE_DIR}/cmake/file_version.cmake
            ${PROJECT_SOURCE_DIR}/dist-template/INSTALL.txt ${PROJECT_SOURCE_DIR}/dist-template/panel.cfg.example
            ${release_scenario_files} ${release_web_page}
    COMMENT "Assembling dist/ and the release zip")
add_custom_target(dist ALL DEPENDS ${release_stamp})
