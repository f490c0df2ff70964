# Shared build helpers.

# Warnings are errors on our own code; generated code opts out per source file.
function(kavelin_own_code target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                           -Wno-missing-field-initializers)
endfunction()

# Marks generated sources so that our warning flags do not apply to them. Source properties
# belong to a directory: set them where the sources are listed and at the top, where the
# library targets are defined.
function(kavelin_generated_sources)
    set_source_files_properties(${ARGN} DIRECTORY ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}
                                PROPERTIES GENERATED TRUE COMPILE_OPTIONS "-w;-Wno-error")
endfunction()

# A GoogleTest program registered with CTest. Usage:
#   kavelin_test(NAME name SOURCES a.cpp b.cpp [LIBS ...] [LABELS ...])
# It links KAVELIN_TEST_LINK: kavelin_static, or kv_base for the folders of the lower layers.
function(kavelin_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT KAVELIN_TEST_LINK)
        set(KAVELIN_TEST_LINK kavelin_static)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${KAVELIN_TEST_LINK} kavelin_test_support GTest::gmock
                          GTest::gtest_main ${T_LIBS})
    target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${T_NAME} PRIVATE
        KAVELIN_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        KAVELIN_LIBRARY_PATH="$<TARGET_FILE:kavelin>")
    kavelin_own_code(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 300 LABELS "${T_LABELS}")
endfunction()
