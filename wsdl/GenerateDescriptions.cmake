# Runs soapcpp2 on copies of the binding's interface headers for the WSDL and the schemas alone.
# The binding declares its enumerations and typed texts extern, since their serializers are its
# own; soapcpp2 leaves extern types out of the schemas, so the copies declare them plainly.
# Nothing compiled comes from these copies.
# Run as: cmake -DSOAPCPP2=<program> -DSOURCE_DIR=<gsoap headers> -DOUTPUT_DIR=<dir> -P this file;
# the descriptions go to OUTPUT_DIR/soapcpp2, soapcpp2's warnings to OUTPUT_DIR/soapcpp2.log.
include(${CMAKE_CURRENT_LIST_DIR}/../src/binding/CountedPatches.cmake)
counted_regex_patch("\nextern (enum [A-Za-z0-9_]+ : LONG64 {)" "\n\\1" 183)
counted_regex_patch("\nextern (typedef enum [A-Za-z0-9_]+ [A-Za-z0-9_]+;)" "\n\\1" 187)
counted_regex_patch("\nextern (typedef std::string [A-Za-z0-9_]+;)" "\n\\1" 5)
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(GLOB headers ${SOURCE_DIR}/*.h)
set(copies "")
foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    configure_file(${header} ${OUTPUT_DIR}/headers/${name} COPYONLY)
    list(APPEND copies ${OUTPUT_DIR}/headers/${name})
endforeach()
apply_counted_patches(${copies})

# -x no sample messages; the code it writes beside the descriptions is not used.
file(MAKE_DIRECTORY ${OUTPUT_DIR}/soapcpp2)
execute_process(
    COMMAND ${SOAPCPP2} -C -L -x -I${OUTPUT_DIR}/headers:/usr/share/gsoap/import
            -d ${OUTPUT_DIR}/soapcpp2 ${OUTPUT_DIR}/headers/binding.h
    OUTPUT_FILE ${OUTPUT_DIR}/soapcpp2.log ERROR_FILE ${OUTPUT_DIR}/soapcpp2.log
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "soapcpp2 failed (${result}), see ${OUTPUT_DIR}/soapcpp2.log")
endif()
