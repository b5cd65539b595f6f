# Flies a scenario in the panel host under Wine with a recording of its own:
# the old recording goes first, since the new one is written only while the
# host's sound device is open.
#   cmake -DWINE_RUN=... -DHOST=... -DSCENARIO=... -DOUT=... -DWINE_HOME=... -DRECORDING=... -P fly_recorded.cmake
file(REMOVE ${RECORDING})
file(MAKE_DIRECTORY ${OUT})
set(ENV{ZOR_WINE_HOME} ${WINE_HOME})
set(ENV{ZOR_SOUND_CAPTURE} ${RECORDING})
execute_process(COMMAND ${WINE_RUN} ${HOST} --out ${OUT} ${SCENARIO} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the panel host ended with ${result}")
endif()
if(NOT EXISTS ${RECORDING})
    message(FATAL_ERROR "the flight left no recording at ${RECORDING}")
endif()
