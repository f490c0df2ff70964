# Writes the code tables of the enumerations declared in the binding's interface headers, with
# their conversions (CatalogueEnumCodec.h), so that a value is a single line of its header.
# Run as: cmake -DHEADERS=a.h;b.h -DOUTPUT_DIR=dir -P this file; header x.h gives
# dir/EnumerationCodes_x.cpp, and dir/EnumerationTypes.inc lists every enumeration and alias as
# ENUMERATION_TYPE(Type), for the tests that check the set against the documents.
#
# An enumeration is an "extern enum Tag : LONG64 { ... }" followed by the typedef naming its
# type. Its texts are its constant names after "Type__", in declaration order (so a text sits
# at its enumerator's value), with _xHHHH read as the character HHHH, _USCORE as '_' and _DOT
# as '.'; a lone '_' stays as it is, since the schemas' texts hold underscores. A body that
# opens with "// qualified names" marks texts that are read as qualified names first. Any other
# typedef of an enumeration tag is an alias that converts through the enumeration's type.

set(identifier "[A-Za-z_][A-Za-z0-9_]*")
set(enum_pattern "extern enum ${identifier} : LONG64 {[^}]*}")
set(typedef_pattern "extern typedef enum ${identifier} ${identifier}")

# The character with code `code` as C string literal text: printable ASCII as itself, anything
# else as the octal escapes of its UTF-8 bytes.
function(literal_character code out)
    if(code GREATER_EQUAL 32 AND code LESS 127)
        string(ASCII ${code} character)
        if(character STREQUAL "\"" OR character STREQUAL "\\")
            set(character "\\${character}")
        endif()
        set(${out} "${character}" PARENT_SCOPE)
        return()
    endif()
    if(code LESS 128)
        set(bytes ${code})
    elseif(code LESS 2048)
        math(EXPR lead "192 + (${code} >> 6)")
        math(EXPR last "128 + (${code} & 63)")
        set(bytes ${lead} ${last})
    else()
        math(EXPR lead "224 + (${code} >> 12)")
        math(EXPR middle "128 + ((${code} >> 6) & 63)")
        math(EXPR last "128 + (${code} & 63)")
        set(bytes ${lead} ${middle} ${last})
    endif()
    set(escapes "")
    foreach(byte IN LISTS bytes)
        math(EXPR high "${byte} >> 6")
        math(EXPR middle "(${byte} >> 3) & 7")
        math(EXPR low "${byte} & 7")
        string(APPEND escapes "\\${high}${middle}${low}")
    endforeach()
    set(${out} "${escapes}" PARENT_SCOPE)
endfunction()

# The text of constant name `name` after its type's prefix, read from left to right.
function(constant_text name out)
    set(text "")
    while(name MATCHES "^([^_]*)_(.*)$")
        string(APPEND text "${CMAKE_MATCH_1}")
        set(name "${CMAKE_MATCH_2}")
        if(name MATCHES "^USCORE(.*)$")
            string(APPEND text "_")
            set(name "${CMAKE_MATCH_1}")
        elseif(name MATCHES "^DOT(.*)$")
            string(APPEND text ".")
            set(name "${CMAKE_MATCH_1}")
        elseif(name MATCHES "^x([0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F])(.*)$")
            set(name "${CMAKE_MATCH_2}")
            math(EXPR code "0x${CMAKE_MATCH_1}")
            literal_character(${code} character)
            string(APPEND text "${character}")
        else()
            string(APPEND text "_")
        endif()
    endwhile()
    set(${out} "${text}${name}" PARENT_SCOPE)
endfunction()

function(code_table type body out)
    set(rows "")
    string(REGEX REPLACE "//[^\n]*" "" body "${body}")
    string(REGEX MATCHALL "${identifier}" constants "${body}")
    if(NOT constants)
        message(FATAL_ERROR "enumeration ${type} has no constants")
    endif()
    foreach(constant IN LISTS constants)
        string(FIND "${constant}" "${type}__" prefix_at)
        if(NOT prefix_at EQUAL 0)
            message(FATAL_ERROR "constant ${constant} does not begin with ${type}__")
        endif()
        string(LENGTH "${type}__" prefix_length)
        string(SUBSTRING "${constant}" ${prefix_length} -1 name)
        constant_text("${name}" text)
        string(APPEND rows "    {${constant}, \"${text}\"},\n")
    endforeach()
    set(${out}
        "const soap_code_map k${type}Codes[] = {\n${rows}    {0, nullptr}};\n\n" PARENT_SCOPE)
endfunction()

# The header's text without semicolons, which would split the matches as CMake lists.
function(read_declarations header out)
    file(READ ${header} content)
    string(REPLACE ";" "" content "${content}")
    set(${out} "${content}" PARENT_SCOPE)
endfunction()

# First pass: every enumeration's tag and the type its typedef names.
foreach(header IN LISTS HEADERS)
    read_declarations(${header} content)
    string(REGEX MATCHALL "${enum_pattern}[ \t\n]*${typedef_pattern}" declarations "${content}")
    foreach(declaration IN LISTS declarations)
        string(REGEX MATCH "^extern enum (${identifier}) " _ "${declaration}")
        set(tag ${CMAKE_MATCH_1})
        string(REGEX MATCH "typedef enum ${tag} (${identifier})$" _ "${declaration}")
        if(NOT CMAKE_MATCH_1)
            message(FATAL_ERROR "${header}: the typedef after enum ${tag} names another tag")
        endif()
        set(type_of_${tag} ${CMAKE_MATCH_1})
    endforeach()
endforeach()

# Second pass: each header's tables, enumerations and aliases, in the header's order.
set(type_list "")
foreach(header IN LISTS HEADERS)
    read_declarations(${header} content)
    string(REGEX MATCHALL "${enum_pattern}|${typedef_pattern}" declarations "${content}")
    set(tables "")
    set(operations "")
    set(previous_tag "")
    foreach(declaration IN LISTS declarations)
        if(declaration MATCHES "^extern enum (${identifier}) : LONG64 {([^}]*)}$")
            set(previous_tag ${CMAKE_MATCH_1})
            set(body "${CMAKE_MATCH_2}")
            if(NOT DEFINED type_of_${previous_tag})
                message(FATAL_ERROR "${header}: enum ${previous_tag} has no typedef after it")
            endif()
            set(type ${type_of_${previous_tag}})
            code_table(${type} "${body}" table)
            string(APPEND tables "${table}")
            set(qualified false)
            if(body MATCHES "^[ \t]*// qualified names")
                set(qualified true)
            endif()
            string(APPEND operations
                   "KAVELIN_CATALOGUE_ENUMERATION(${type}, k${type}Codes, ${qualified})\n")
            string(APPEND type_list "ENUMERATION_TYPE(${type})\n")
            continue()
        endif()
        string(REGEX MATCH "^extern typedef enum (${identifier}) (${identifier})$" _
               "${declaration}")
        set(tag ${CMAKE_MATCH_1})
        set(alias ${CMAKE_MATCH_2})
        if(tag STREQUAL previous_tag AND alias STREQUAL type_of_${tag})
            set(previous_tag "")
        elseif(DEFINED type_of_${tag})
            string(APPEND operations
                   "KAVELIN_CATALOGUE_ENUMERATION_ALIAS(${alias}, ${type_of_${tag}})\n")
            string(APPEND type_list "ENUMERATION_TYPE(${alias})\n")
        else()
            message(FATAL_ERROR "${header}: ${alias} names enum ${tag}, which no header declares")
        endif()
    endforeach()
    get_filename_component(stem ${header} NAME_WE)
    file(WRITE ${OUTPUT_DIR}/EnumerationCodes_${stem}.cpp
"// Generated from ${stem}.h by EnumerationCodes.cmake; do not edit.
#include \"binding/CatalogueEnumCodec.h\"

namespace {

${tables}} // namespace

${operations}")
endforeach()
file(WRITE ${OUTPUT_DIR}/EnumerationTypes.inc
     "// Generated from the binding's interface headers by EnumerationCodes.cmake; do not edit.\n"
     "${type_list}")
