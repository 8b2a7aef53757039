# The help pages, English and Chinese, each with the topic map, copied into
# the program folder: enHelp/ and chHelp/. Sets help_outputs.
set(help_outputs)
foreach(pair "en;enHelp" "zh;chHelp")
    list(GET pair 0 src)
    list(GET pair 1 dst)
    file(GLOB pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/${src}/*)
    foreach(page IN LISTS pages ITEMS ${PROJECT_SOURCE_DIR}/help/topics.map)
        get_filename_component(name ${page} NAME)
        add_custom_command(
            OUTPUT ${QM530_BIN_DIR}/${dst}/${name}
            COMMAND ${CMAKE_COMMAND} -E copy ${page} ${QM530_BIN_DIR}/${dst}/${name}
            DEPENDS ${page}
            VERBATIM)
        list(APPEND help_outputs ${QM530_BIN_DIR}/${dst}/${name})
    endforeach()
endforeach()
