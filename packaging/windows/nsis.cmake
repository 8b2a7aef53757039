# The installer made by `cpack -G NSIS`: Program Files\qm530, a Start-menu
# entry for the desktop program, an uninstaller listed under Apps, and .dat
# files opened by the desktop program. Silent with /S, as Windows' software
# deployment expects.

# A 64-bit installer: the programs are 64-bit, and a 64-bit Wine without its
# 32-bit part (Debian's wine64 alone) runs nothing else.
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_SOURCE_DIR}/makensis-amd64)

set(CPACK_NSIS_PACKAGE_NAME "QM530 Programming Tool")
set(CPACK_NSIS_DISPLAY_NAME "QM530 Programming Tool ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "qm530")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "qm530")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_PACKAGE_EXECUTABLES "qm530-cps;QM530 Programming Tool")
set(CPACK_NSIS_INSTALLED_ICON_NAME "qm530-cps.exe")
set(CPACK_NSIS_MUI_ICON "${QM530_BIN_DIR}/title.ico")
set(CPACK_NSIS_MUI_UNIICON "${QM530_BIN_DIR}/title.ico")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)

# The .dat association (dat_association.nsh; its path has no spaces, which
# an unquoted !include needs: CPack would mangle quotes here).
set(nsh ${CMAKE_CURRENT_SOURCE_DIR}/dat_association.nsh)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${nsh}\n!insertmacro QM530_ASSOCIATE_DAT")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!include ${nsh}\n!insertmacro QM530_DISSOCIATE_DAT")
