# The page, one file: the page's own HTML with the program's JavaScript
# (the WebAssembly and the embedded files inside it) in place of its
# marker.  cmake -DSHELL=page_shell.html -DPROGRAM=zor_bench_page.js -DPAGE=OUT.html -P make_page.cmake
file(READ ${SHELL} shell)
file(READ ${PROGRAM} program)
string(FIND "${program}" "</script" closing)
if(NOT closing EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} holds </script and cannot go inside the page")
endif()
string(REPLACE "/*@ZOR_PROGRAM@*/" "${program}" page "${shell}")
get_filename_component(folder ${PAGE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${PAGE}.part "${page}")
file(RENAME ${PAGE}.part ${PAGE})
