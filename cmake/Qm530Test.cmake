include(GoogleTest)

# qm530_add_test(NAME SOURCES ... LIBS ... [QT])
# One test executable per group; every test case becomes its own ctest entry.
function(qm530_add_test name)
    cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        QM530_BIN_DIR="${QM530_BIN_DIR}"
        QM530_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    # The program folder reaches the tests as the QM530_BIN_DIR definition above.
    if(CMAKE_CROSSCOMPILING AND T_QT)
        # Under Wine a program needs longer to start and end than the default 5 s allow.
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    elseif(CMAKE_CROSSCOMPILING)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
    elseif(T_QT)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
