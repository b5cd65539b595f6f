# Scenarios the panel host must refuse whole: each is read before its first
# frame, so a bad line anywhere ends the run with status 2 and `file:line:`
# before any frame runs (the trace stays empty), and a value the host cannot
# draw or run is refused with its line rather than failing the program.
#   cmake -DHOST="PROGRAM[;ARGS]" -DOUT=FOLDER -P refused_lines.cmake
# The bad line is line 2 of: a breaker placed, the line, two frames.
set(refused_values
    "place ZOR_1 0 0 100000|'100000' is not a gauge width from 1 to 8192"
    "place ZOR_1 99999999 99999999|'99999999' is not a panel position from 0 to 8191"
    "place ZOR_1 0 0 inf|'inf' is not a gauge width from 1 to 8192"
    "place ZOR_1 nan 0|'nan' is not a panel position from 0 to 8191"
    "place ZOR_1 0 0 0|'0' is not a gauge width from 1 to 8192"
    "place ZOR_1 8000 0|the panel would reach 8361x"
    "place AZS_ZOR_2 0 0 8000|the panel would reach 8000x17333 pixels, more than 8192 a side"
    "fps 0|'0' is not a frame rate from 1 to 1000"
    "fps inf|'inf' is not a frame rate from 1 to 1000"
    "ticks_per_second -1|'-1' is not a tick rate from 0 to 100000"
    "frames 1e12|'1e12' is not a number of frames from 0 to 1000000"
    "frames 2.5|'2.5' is not a whole number of frames"
    "ramp altitude 0 1000 -5|'-5' is not a number of frames from 0 to 1000000"
    "click AZS_ZOR_1 1e10 5|'1e10' is not a face pixel from -8192 to 8192"
    "hold AZS_ZOR_1 15 32 left 1e9|'1e9' is not a number of frames from 0 to 1000000")

file(MAKE_DIRECTORY ${OUT})
set(failures "")
function(expect_refused name text line message)
    set(scenario ${OUT}/${name}.txt)
    set(trace ${OUT}/${name}.jsonl)
    file(WRITE ${scenario} "${text}")
    file(REMOVE ${trace})
    execute_process(COMMAND ${HOST} --trace ${trace} ${scenario} RESULT_VARIABLE status ERROR_VARIABLE said
                    OUTPUT_QUIET)
    # Refused while it is read, the run opens no trace; refused against the
    # panel, it leaves it empty.
    set(trace_bytes 0)
    if(EXISTS ${trace})
        file(SIZE ${trace} trace_bytes)
    endif()
    string(FIND "${said}" "${name}.txt:${line}: ${message}" at)
    if(NOT status EQUAL 2 OR at EQUAL -1 OR NOT trace_bytes EQUAL 0)
        string(STRIP "${said}" said)
        set(failures "${failures}\n  ${name}: status ${status}, trace ${trace_bytes} bytes, said '${said}', expected line ${line}: ${message}"
            PARENT_SCOPE)
    endif()
endfunction()

# A typo on the last line of a flight in real time: reported at once.
expect_refused(last_line "place ZOR_1 0 0\nrealtime on\nframes 36\nfrobnicate on\n" 4 "unknown command 'frobnicate'")
set(case 0)
foreach(row IN LISTS refused_values)
    string(REPLACE "|" ";" row "${row}")
    list(GET row 0 bad_line)
    list(GET row 1 message)
    math(EXPR case "${case} + 1")
    expect_refused(value_${case} "place AZS_ZOR_1 370 0 60\n${bad_line}\nframes 2\n" 2 "${message}")
endforeach()
if(failures)
    message(FATAL_ERROR "lines not refused as they should be:${failures}")
endif()
