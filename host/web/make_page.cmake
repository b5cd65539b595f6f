# The page, one file: the page's own HTML with the program's JavaScript,
# its WebAssembly (gzip'd, in base64) and its files (a gzip'd tar in
# base64) in place of their markers.
#   cmake -DSHELL=page_shell.html -DPROGRAM=zor_bench_page.js -DWASM=zor_bench_page.wasm.gz.base64
#         -DFILES=files.tgz.base64 -DPAGE=OUT.html -P make_page.cmake
file(READ ${SHELL} shell)
file(READ ${PROGRAM} program)
string(FIND "${program}" "</script" closing)
if(NOT closing EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} holds </script and cannot go inside the page")
endif()
file(READ ${FILES} files)
string(STRIP "${files}" files)
string(REPLACE "/*@ZOR_PROGRAM@*/" "${program}" page "${shell}")
string(REPLACE "@ZOR_FILES@" "${files}" page "${page}")
file(READ ${WASM} wasm)
string(STRIP "${wasm}" wasm)
string(REPLACE "@ZOR_WASM@" "${wasm}" page "${page}")
get_filename_component(folder ${PAGE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${PAGE}.part "${page}")
file(RENAME ${PAGE}.part ${PAGE})
