# The files the desktop program reads from its own directory, for a build
# with Qt for Windows: the language packs and the pictures are the same on
# every platform, and that Qt has no translation tools and cannot run the
# picture tool, so they are taken from a Linux build of the same sources
# (QM530_HOST_BIN_DIR, its bin/ folder). The help pages come from the
# sources as in every build. Target qm530_program_files copies them all.
set(QM530_HOST_BIN_DIR "${PROJECT_SOURCE_DIR}/build/bin" CACHE PATH
    "The bin/ folder of a Linux build of the same sources (language packs, pictures)")
set(host_outputs)
foreach(name English.rcc Chinese.rcc title.ico background.bmp)
    add_custom_command(
        OUTPUT ${QM530_BIN_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy ${QM530_HOST_BIN_DIR}/${name} ${QM530_BIN_DIR}/${name}
        DEPENDS ${QM530_HOST_BIN_DIR}/${name}
        COMMENT "Taking ${name} from the Linux build"
        VERBATIM)
    list(APPEND host_outputs ${QM530_BIN_DIR}/${name})
endforeach()

include(help_pages.cmake)

add_custom_target(qm530_program_files ALL DEPENDS ${host_outputs} ${help_outputs})
