# Build-time generators (artwork, alert tone) always run on the build machine:
# the native tree builds them in place, the win32 tree builds them natively as
# a sub-build. A tree given ZOR_TOOLS_TREE, a native tree that has built them
# already, runs that tree's generators instead of building its own (the test
# and build scripts build the generators once for all their trees).
set(ZOR_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${ZOR_GENERATED_DIR})
set(ZOR_TOOLS_TREE "" CACHE PATH "native build tree whose generators this tree runs instead of building its own")

if(ZOR_TOOLS_TREE)
    set(ZOR_ARTWORK_TOOL ${ZOR_TOOLS_TREE}/tools/artwork/zor_artwork)
    set(ZOR_TONE_TOOL ${ZOR_TOOLS_TREE}/tools/tone/zor_tone)
    set(ZOR_CURSOR_TOOL ${ZOR_TOOLS_TREE}/tools/cursors/zor_cursors)
    set(ZOR_TIMELINE_TOOL ${ZOR_TOOLS_TREE}/tools/timeline/zor_timeline)
    set(ZOR_TOOL_DEPENDS ${ZOR_ARTWORK_TOOL} ${ZOR_TONE_TOOL} ${ZOR_CURSOR_TOOL})
    if(NOT CMAKE_CROSSCOMPILING)
        # The timeline's library is no generator: this tree's own timeline
        # tests and fuzz target build it here.
        set(ZOR_SOURCE_ROOT ${PROJECT_SOURCE_DIR})
        add_subdirectory(tools/timeline)
    endif()
elseif(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(tools_dir ${CMAKE_BINARY_DIR}/tools-native)
    ExternalProject_Add(zor_tools_native
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
        BINARY_DIR ${tools_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${tools_dir}/artwork/zor_artwork ${tools_dir}/tone/zor_tone ${tools_dir}/cursors/zor_cursors
                         ${tools_dir}/timeline/zor_timeline)
    set(ZOR_ARTWORK_TOOL ${tools_dir}/artwork/zor_artwork)
    set(ZOR_TONE_TOOL ${tools_dir}/tone/zor_tone)
    set(ZOR_CURSOR_TOOL ${tools_dir}/cursors/zor_cursors)
    set(ZOR_TIMELINE_TOOL ${tools_dir}/timeline/zor_timeline)
    set(ZOR_TOOL_DEPENDS zor_tools_native)
else()
    add_subdirectory(tools)
    set(ZOR_ARTWORK_TOOL $<TARGET_FILE:zor_artwork>)
    set(ZOR_TONE_TOOL $<TARGET_FILE:zor_tone>)
    set(ZOR_CURSOR_TOOL $<TARGET_FILE:zor_cursors>)
    set(ZOR_TIMELINE_TOOL $<TARGET_FILE:zor_timeline>)
    set(ZOR_TOOL_DEPENDS zor_artwork zor_tone zor_cursors)
endif()

# Every bitmap of the module, as <id>.bmp, the resource script that builds
# them into the module, and PNG sheets to look at. The ids are the layout's.
set(ZOR_BITMAP_DIR ${ZOR_GENERATED_DIR}/bitmaps)
set(ZOR_BITMAP_RC ${ZOR_BITMAP_DIR}/bitmaps.rc)
add_custom_command(
    OUTPUT ${ZOR_BITMAP_DIR}/stamp ${ZOR_BITMAP_RC}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${ZOR_ARTWORK_TOOL} ${ZOR_BITMAP_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${ZOR_BITMAP_DIR}/stamp
    DEPENDS ${ZOR_TOOL_DEPENDS}
    COMMENT "Drawing the instrument artwork")
add_custom_target(zor_bitmaps ALL DEPENDS ${ZOR_BITMAP_DIR}/stamp)

# The alert tone file and the module's wave resource data. The tone is
# installed below the simulator's folder at the path the module reads it
# from (sound/tone_service.h); the module never plays the resource.
set(ZOR_ALERT_TONE_INSTALL_PATH Gauges/zor_sound.wav)
set(ZOR_WAVE_RESOURCE_ID 6608)
get_filename_component(ZOR_ALERT_TONE_FOLDER ${ZOR_ALERT_TONE_INSTALL_PATH} DIRECTORY)
get_filename_component(alert_tone_file ${ZOR_ALERT_TONE_INSTALL_PATH} NAME)
set(ZOR_ALERT_WAV ${ZOR_GENERATED_DIR}/${alert_tone_file})
set(ZOR_RESOURCE_WAV ${ZOR_GENERATED_DIR}/wave_${ZOR_WAVE_RESOURCE_ID}.wav)
add_custom_command(
    OUTPUT ${ZOR_ALERT_WAV} ${ZOR_RESOURCE_WAV}
    COMMAND ${ZOR_TONE_TOOL} ${ZOR_ALERT_WAV} ${ZOR_RESOURCE_WAV}
    DEPENDS ${ZOR_TOOL_DEPENDS}
    COMMENT "Writing the alert tone")
add_custom_target(zor_sounds ALL DEPENDS ${ZOR_ALERT_WAV} ${ZOR_RESOURCE_WAV})

# The panel host's own cursors: hand, up arrow, down arrow.
set(ZOR_CURSOR_DIR ${ZOR_GENERATED_DIR}/cursors)
set(ZOR_CURSOR_FILES ${ZOR_CURSOR_DIR}/hand.cur ${ZOR_CURSOR_DIR}/up_arrow.cur ${ZOR_CURSOR_DIR}/down_arrow.cur)
add_custom_command(
    OUTPUT ${ZOR_CURSOR_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZOR_CURSOR_DIR}
    COMMAND ${ZOR_CURSOR_TOOL} ${ZOR_CURSOR_DIR}
    DEPENDS ${ZOR_TOOL_DEPENDS}
    COMMENT "Drawing the panel host's cursors")
add_custom_target(zor_host_cursors ALL DEPENDS ${ZOR_CURSOR_FILES})
