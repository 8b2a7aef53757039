# The Windows build with Qt (`make windows-gui`, Qt from scripts/build-qt-windows):
# the Qt and MinGW runtime DLLs and Qt's plugins beside the programs in bin/,
# so that bin/ runs as it is, as the installed folder does. Included from
# the top CMakeLists.txt after Qt is found.

# What the desktop program needs at run time, relative to Qt's folder: the
# four libraries, the Windows platform plugin, the native look (Windows
# style) and the .ico reader for title.ico. packaging/windows installs these.
set(QM530_QT_DLLS bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll)
set(QM530_QT_PLUGINS
    plugins/platforms/qwindows.dll
    plugins/styles/qwindowsvistastyle.dll
    plugins/imageformats/qico.dll)
# What only the tests need: QtTest and the offscreen platform.
set(QM530_QT_TEST_FILES bin/Qt6Test.dll plugins/platforms/qoffscreen.dll)

# Qt's DLLs are built against MinGW's shared C++ runtime; the programs use
# the same one (no -static in this build), so the runtime DLLs ship too.
set(QM530_MINGW_DLLS)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime ${name} was not found (${path})")
    endif()
    list(APPEND QM530_MINGW_DLLS ${path})
endforeach()

set(runtime_outputs)
foreach(file IN LISTS QM530_QT_DLLS QM530_QT_PLUGINS QM530_QT_TEST_FILES)
    # bin/X.dll goes to bin/, plugins/KIND/X.dll to bin/KIND/.
    string(REGEX REPLACE "^(bin|plugins)/" "" place ${file})
    add_custom_command(
        OUTPUT ${QM530_BIN_DIR}/${place}
        COMMAND ${CMAKE_COMMAND} -E copy ${QT6_INSTALL_PREFIX}/${file} ${QM530_BIN_DIR}/${place}
        DEPENDS ${QT6_INSTALL_PREFIX}/${file}
        VERBATIM)
    list(APPEND runtime_outputs ${QM530_BIN_DIR}/${place})
endforeach()
foreach(path IN LISTS QM530_MINGW_DLLS)
    get_filename_component(name ${path} NAME)
    add_custom_command(
        OUTPUT ${QM530_BIN_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy ${path} ${QM530_BIN_DIR}/${name}
        DEPENDS ${path}
        VERBATIM)
    list(APPEND runtime_outputs ${QM530_BIN_DIR}/${name})
endforeach()
# The tests live in tests/, away from the program folder: Wine finds the DLLs
# in bin/ through the runner's --dll-dir. Qt looks for its plugins beside the
# program (QT_PLUGIN_PATH did not make it load them there), so they are
# copied beside the tests too.
foreach(file IN LISTS QM530_QT_PLUGINS QM530_QT_TEST_FILES)
    if(NOT file MATCHES "^plugins/")
        continue()
    endif()
    string(REGEX REPLACE "^plugins/" "" place ${file})
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/tests/${place}
        COMMAND ${CMAKE_COMMAND} -E copy ${QT6_INSTALL_PREFIX}/${file} ${CMAKE_BINARY_DIR}/tests/${place}
        DEPENDS ${QT6_INSTALL_PREFIX}/${file}
        VERBATIM)
    list(APPEND runtime_outputs ${CMAKE_BINARY_DIR}/tests/${place})
endforeach()
add_custom_target(qm530_windows_runtime ALL DEPENDS ${runtime_outputs})

set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run --dll-dir ${QM530_BIN_DIR})
