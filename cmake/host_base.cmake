# The host's lowest layer, included by the host and by the timeline tool,
# which writes its picture as the host writes its files; made once in a
# tree, by whichever comes first, so no source is built for two targets.
if(NOT TARGET zor_host_base)
    get_filename_component(zor_host_base_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
    add_library(zor_host_base STATIC
        ${zor_host_base_root}/host/base/input_file.cpp
        ${zor_host_base_root}/host/base/module_file.cpp
        ${zor_host_base_root}/host/base/output_file.cpp
        ${zor_host_base_root}/host/base/pe_file.cpp
        ${zor_host_base_root}/host/base/pe_image.cpp
        ${zor_host_base_root}/host/base/pe_version.cpp)
    target_include_directories(zor_host_base PUBLIC ${zor_host_base_root})
    target_compile_features(zor_host_base PUBLIC cxx_std_20)
endif()
