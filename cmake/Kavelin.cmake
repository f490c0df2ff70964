# Shared build helpers.

# Warnings are errors on our own code; generated code opts out per source file.
function(kavelin_own_code target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                           -Wno-missing-field-initializers)
endfunction()

# Marks generated sources so that our warning flags do not apply to them. Source properties
# belong to a directory: set them where the sources are listed, at the top and in src/, where
# the library targets are defined.
function(kavelin_generated_sources)
    set_source_files_properties(${ARGN} DIRECTORY ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src
                                ${CMAKE_CURRENT_SOURCE_DIR}
                                PROPERTIES GENERATED TRUE COMPILE_OPTIONS "-w;-Wno-error")
endfunction()

# One layer of the library: a static archive of the sources in src/<name>/ that can include
# only its own headers and those of the layers it names, so that an include against the
# direction of the dependencies does not build. Usage:
#   kavelin_layer(name [BELOW layer...] [LINKS library...])
# Each layer's include root in the build tree links to exactly those source folders.
function(kavelin_layer name)
    cmake_parse_arguments(L "" "" "BELOW;LINKS" ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root})
    foreach(layer ${name} ${L_BELOW})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
    endforeach()
    add_library(kavelin_${name} STATIC)
    target_include_directories(kavelin_${name} PRIVATE ${root}
                               PUBLIC ${CMAKE_SOURCE_DIR}/include)
    target_link_libraries(kavelin_${name} PUBLIC ${L_LINKS})
    kavelin_own_code(kavelin_${name})
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
