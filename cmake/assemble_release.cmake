cmake_minimum_required(VERSION 3.25)
# Lays out the release as a user copies it into the simulator's folder, lists
# every file's SHA-256 in SHA256SUMS, and zips it as NAME-VERSION.zip, the
# version read from the shipped module's own version resource.
#   cmake -DSTAGE=DIR -DZIP_FOLDER=DIR -DNAME=KRV_ZOR_V1_02 -DMODULE=FILE.gau
#         -DHOST=FILE.exe -DTONE=FILE.wav -DTONE_PATH=Gauges/zor_sound.wav
#         -DTEMPLATES=DIR -DSCENARIOS=a.txt,b.txt -DZIP=zip [-DWEB_PAGE=zor_bench.html] -P assemble_release.cmake
# WEB_PAGE, when given, is the bench's web page, shipped in Web/.
include(${CMAKE_CURRENT_LIST_DIR}/file_version.cmake)

zor_file_version(${MODULE} version)
get_filename_component(tone_folder ${TONE_PATH} DIRECTORY)
get_filename_component(module_name ${MODULE} NAME)
get_filename_component(host_name ${HOST} NAME)

# Text files in Windows line endings: the people who read them use Notepad.
function(write_windows_text path text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${path} "${text}")
endfunction()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/${tone_folder} ${STAGE}/Bench/${tone_folder})

# The simulator's gauges folder, below its executable's, holds both the
# module and the tone; the bench is laid out the same below its own exe.
foreach(root IN ITEMS ${STAGE} ${STAGE}/Bench)
    file(COPY_FILE ${TONE} ${root}/${TONE_PATH})
endforeach()
file(COPY_FILE ${MODULE} ${STAGE}/${tone_folder}/${module_name})
file(COPY_FILE ${MODULE} ${STAGE}/Bench/${module_name})
file(COPY_FILE ${HOST} ${STAGE}/Bench/${host_name})
string(REPLACE "," ";" scenarios "${SCENARIOS}")
foreach(scenario IN LISTS scenarios)
    get_filename_component(scenario_name ${scenario} NAME)
    file(READ ${scenario} text)
    write_windows_text(${STAGE}/Bench/${scenario_name} "${text}")
endforeach()

if(WEB_PAGE)
    file(MAKE_DIRECTORY ${STAGE}/Web)
    file(COPY_FILE ${WEB_PAGE} ${STAGE}/Web/zor_bench.html)
endif()

# The panel lines have one home, the example file; the install note shows
# them indented.
file(READ ${TEMPLATES}/panel.cfg.example panel_section)
write_windows_text(${STAGE}/panel.cfg.example "${panel_section}")
string(REGEX REPLACE "([^\n]*\n)" "     \\1" ZOR_PANEL_SECTION "${panel_section}")
set(ZOR_VERSION ${version})
file(READ ${TEMPLATES}/INSTALL.txt install_note)
string(CONFIGURE "${install_note}" install_note @ONLY)
write_windows_text(${STAGE}/INSTALL.txt "${install_note}")

file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(sums "")
foreach(path IN LISTS files)
    file(SHA256 ${STAGE}/${path} sum)
    string(APPEND sums "${sum}  ${path}\n")
endforeach()
file(WRITE ${STAGE}/SHA256SUMS "${sums}")

# No top folder: unzipped into the simulator's folder, its gauges folder
# lands on the simulator's own.
file(GLOB old_zips ${ZIP_FOLDER}/${NAME}-*.zip)
if(old_zips)
    file(REMOVE ${old_zips})
endif()
file(MAKE_DIRECTORY ${ZIP_FOLDER})
set(zip_file ${ZIP_FOLDER}/${NAME}-${version}.zip)
execute_process(COMMAND ${ZIP} -X -q -9 ${zip_file} SHA256SUMS ${files}
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ZIP} could not write ${zip_file}")
endif()
message(STATUS "release: ${zip_file}")
