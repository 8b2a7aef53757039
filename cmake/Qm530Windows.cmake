# What the Windows cross-build adds (included from the top CMakeLists.txt
# when cross-compiling with cmake/mingw-w64-x86_64.cmake).

# -O2 as the Linux build: GCC 12 warns falsely about std::string copies at -O3.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Release flags" FORCE)
# Self-contained programs: the C and C++ runtimes and winpthreads linked in;
# not with Qt, whose DLLs bring the shared runtime (cmake/Qm530WindowsQt.cmake).
if(NOT QM530_WITH_QT)
    add_link_options(-static)
endif()
# Windows 10 and later: the console's escape sequences, CancelIoEx.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00)

# GoogleTest 1.12 from Debian's googletest package, built for Windows.
set(QM530_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QM530_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources do not pass the project's warnings.
# (Its build defines the GTest:: names the tests link with.)
foreach(target gtest gtest_main gmock gmock_main)
    target_compile_options(${target} PRIVATE -w)
    if(NOT TARGET GTest::${target})
        add_library(GTest::${target} ALIAS ${target})
    endif()
endforeach()

# ctest and gtest_discover_tests run the .exe files through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run)
