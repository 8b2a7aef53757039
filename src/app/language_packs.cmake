# The files the desktop program reads from its own directory: the language
# packs English.rcc and Chinese.rcc, title.ico, background.bmp and the help
# pages enHelp/ and chHelp/. Target qm530_program_files builds them all.

# Pictures, drawn by a small tool of our own.
add_executable(qm530_make_art art/make_art.cpp)
target_link_libraries(qm530_make_art PRIVATE Qt6::Gui)
set_target_properties(qm530_make_art PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set(QM530_ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/art)
set(QM530_PACK_PICTURES
    icon128.png icon131.png cursor132.png bitmap137.bmp
    toolbar/new.png toolbar/open.png toolbar/save.png toolbar/read.png
    toolbar/write.png toolbar/print.png toolbar/about.png)
set(art_outputs ${QM530_ART_DIR}/title.ico ${QM530_ART_DIR}/background.bmp)
foreach(picture IN LISTS QM530_PACK_PICTURES)
    list(APPEND art_outputs ${QM530_ART_DIR}/${picture})
endforeach()
add_custom_command(
    OUTPUT ${art_outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:qm530_make_art> ${QM530_ART_DIR}
    DEPENDS qm530_make_art
    COMMENT "Drawing the program's pictures"
    VERBATIM)
add_custom_command(
    OUTPUT ${QM530_BIN_DIR}/title.ico ${QM530_BIN_DIR}/background.bmp
    COMMAND ${CMAKE_COMMAND} -E copy ${QM530_ART_DIR}/title.ico ${QM530_ART_DIR}/background.bmp ${QM530_BIN_DIR}
    DEPENDS ${QM530_ART_DIR}/title.ico ${QM530_ART_DIR}/background.bmp
    VERBATIM)

# Translations. `cmake --build build --target qm530_app_gui_lupdate` refreshes the
# .ts files from every widget source; the build fails while a Chinese
# translation is unfinished.
set(QM530_TS_EN ${PROJECT_SOURCE_DIR}/translations/qm530_en.ts)
set(QM530_TS_ZH ${PROJECT_SOURCE_DIR}/translations/qm530_zh.ts)
file(GLOB QM530_TR_SOURCES
    ${PROJECT_SOURCE_DIR}/src/app/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.cpp
    ${PROJECT_SOURCE_DIR}/src/editor/*.cpp ${PROJECT_SOURCE_DIR}/src/link/*.cpp
    ${PROJECT_SOURCE_DIR}/src/settings/*.cpp)
qt_add_lupdate(qm530_app_gui TS_FILES ${QM530_TS_EN} ${QM530_TS_ZH} SOURCES ${QM530_TR_SOURCES}
    OPTIONS -no-obsolete -locations none)
qt_add_lrelease(qm530_app_gui TS_FILES ${QM530_TS_EN} ${QM530_TS_ZH} QM_FILES_OUTPUT_VARIABLE qm530_qm_files)
set(QM530_TS_CHECK ${CMAKE_CURRENT_BINARY_DIR}/qm530_zh.ts.checked)
add_custom_command(
    OUTPUT ${QM530_TS_CHECK}
    COMMAND ${CMAKE_COMMAND} -DTS_FILE=${QM530_TS_ZH} -P ${CMAKE_CURRENT_SOURCE_DIR}/check_ts.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${QM530_TS_CHECK}
    DEPENDS ${QM530_TS_ZH} ${CMAKE_CURRENT_SOURCE_DIR}/check_ts.cmake
    COMMENT "Checking that every Chinese translation is finished"
    VERBATIM)

# One pack per language: <Language>.rcc with the translations and pictures.
# Compressed with zlib, which every Qt reads (Qt for Windows has no zstd).
function(qm530_language_pack language qm qt_qm extra_depends)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${language}.qrc)
    set(entries "    <file alias=\"qm530.qm\">${qm}</file>\n")
    if(qt_qm AND EXISTS ${qt_qm})
        string(APPEND entries "    <file alias=\"qtbase.qm\">${qt_qm}</file>\n")
    endif()
    foreach(picture IN LISTS QM530_PACK_PICTURES)
        string(APPEND entries "    <file alias=\"${picture}\">${QM530_ART_DIR}/${picture}</file>\n")
    endforeach()
    file(WRITE ${qrc}.in "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pack\">\n${entries}</qresource>\n</RCC>\n")
    configure_file(${qrc}.in ${qrc} COPYONLY)
    set(depends ${qm} ${extra_depends})
    foreach(picture IN LISTS QM530_PACK_PICTURES)
        list(APPEND depends ${QM530_ART_DIR}/${picture})
    endforeach()
    add_custom_command(
        OUTPUT ${QM530_BIN_DIR}/${language}.rcc
        COMMAND Qt6::rcc --binary --compress-algo zlib ${qrc} -o ${QM530_BIN_DIR}/${language}.rcc
        DEPENDS ${depends} ${qrc}
        COMMENT "Building the language pack ${language}.rcc"
        VERBATIM)
endfunction()

set(qt_translations_dir "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
qm530_language_pack(English ${CMAKE_CURRENT_BINARY_DIR}/qm530_en.qm "" "")
qm530_language_pack(Chinese ${CMAKE_CURRENT_BINARY_DIR}/qm530_zh.qm
    "${qt_translations_dir}/qtbase_zh_CN.qm" ${QM530_TS_CHECK})

include(help_pages.cmake)

add_custom_target(qm530_program_files ALL
    DEPENDS
        ${QM530_BIN_DIR}/English.rcc ${QM530_BIN_DIR}/Chinese.rcc
        ${QM530_BIN_DIR}/title.ico ${QM530_BIN_DIR}/background.bmp
        ${help_outputs})
