# dist/: what a user drops into the simulator: the module, the alert tone in
# its gauges folder, and the install note.
if(NOT WIN32)
    return()
endif()
set(ZOR_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
add_custom_target(dist ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZOR_DIST_DIR}/${ZOR_ALERT_TONE_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zor_gau> ${ZOR_DIST_DIR}/
    COMMAND ${CMAKE_COMMAND} -E copy ${ZOR_ALERT_WAV} ${ZOR_DIST_DIR}/${ZOR_ALERT_TONE_INSTALL_PATH}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/dist-template/INSTALL.txt ${ZOR_DIST_DIR}/
    DEPENDS zor_gau zor_sounds
    COMMENT "Assembling dist/")
