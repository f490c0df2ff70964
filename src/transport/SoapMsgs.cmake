# Playback answers are read from a SoapMsgs folder beside the library's own file, so the build
# tree gets the sample answers there, refreshed whenever the library is built. Include this
# file after the kavelin target is defined.
include_guard(GLOBAL)
set(kavelin_sample_answers "")
foreach(operation StartSession EndSession Subscribe Unsubscribe GetSupportedEvents GetData SetData
                  GetSettable)
    list(APPEND kavelin_sample_answers ${CMAKE_SOURCE_DIR}/data/SoapMsgs/${operation}Res.txt)
endforeach()
add_custom_target(kavelin_soapmsgs
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:kavelin>/SoapMsgs
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${kavelin_sample_answers}
            $<TARGET_FILE_DIR:kavelin>/SoapMsgs
    DEPENDS ${kavelin_sample_answers}
    COMMENT "Copying the sample playback answers beside the library"
    VERBATIM)
add_dependencies(kavelin kavelin_soapmsgs)
