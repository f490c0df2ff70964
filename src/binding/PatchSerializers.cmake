# Adjusts the generated serializers where soapcpp2's output differs from what the devices
# expect. Every adjustment must find its text in one of the parts, so a change in soapcpp2's
# output stops the build instead of silently dropping a fix.
# Run as: cmake -DDIR=<generated dir> -DPARTS=<count> -P this file.
set(patches 0)
# The generated texts hold semicolons, so each pair is kept in numbered variables, not a list.
macro(patch original replacement)
    math(EXPR patches "${patches} + 1")
    set(original_${patches} "${original}")
    set(replacement_${patches} "${replacement}")
    set(applied_${patches} FALSE)
endmacro()

# The user name credential travels without an xsi:type attribute, unlike the property types.
patch("soap_embedded_id(soap, id, a, SOAP_TYPE_bsi__UserNamePassword_USCOREt), type ? type : \"bsi:UserNamePassword_t\")"
      "soap_embedded_id(soap, id, a, SOAP_TYPE_bsi__UserNamePassword_USCOREt), NULL)")

foreach(part RANGE 1 ${PARTS})
    set(file ${DIR}/soapC_part${part}.cpp)
    file(READ ${file} code)
    set(changed FALSE)
    foreach(n RANGE 1 ${patches})
        string(FIND "${code}" "${original_${n}}" at)
        if(NOT at EQUAL -1)
            string(REPLACE "${original_${n}}" "${replacement_${n}}" code "${code}")
            set(applied_${n} TRUE)
            set(changed TRUE)
        endif()
    endforeach()
    if(changed)
        file(WRITE ${file} "${code}")
    endif()
endforeach()

foreach(n RANGE 1 ${patches})
    if(NOT applied_${n})
        message(FATAL_ERROR "Serializer patch did not apply: ${original_${n}}")
    endif()
endforeach()
