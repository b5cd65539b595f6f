# Win32 programs of this tree run under Wine through a wrapper that knows the
# tree's own prefix and the home folder whose ALSA set-up records the sound.
if(NOT CMAKE_CROSSCOMPILING)
    return()
endif()
set(ZOR_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine/prefix)
set(ZOR_WINE_HOME ${CMAKE_BINARY_DIR}/wine/home)
set(ZOR_SOUND_CAPTURE ${CMAKE_BINARY_DIR}/wine/capture.wav)
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Main windows belong to the whole Wine desktop: a program that creates one
# or looks one up holds this lock, so no window lookup finds another test's.
set(ZOR_WINE_DESKTOP_LOCK wine_desktop)
