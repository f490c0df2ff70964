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

# Text readers ignore xsi:type as generated; an attribute naming another type must fail the
# decode with SOAP_TYPE, which the element reader checks once it is given the declared type.
macro(check_declared_type reader parameter name)
    set(opening "${reader}(struct soap *soap, const char *tag, ${parameter}, const char *type)\n{\n\t(void)type; /* appease -Wall -Werror */\n\tif (soap_element_begin_in(soap, tag, 1, ")
    patch("${opening}NULL))" "${opening}\"${name}\"))")
endmacro()
check_declared_type(soap_in_bsi__SessionID_USCOREt "bsi__SessionID_USCOREt *a" "bsi:SessionID_t")
check_declared_type(soap_in_bsi__SubscriptionID_USCOREt "bsi__SubscriptionID_USCOREt *a"
                    "bsi:SubscriptionID_t")
check_declared_type(soap_in_bsi__ServiceID_USCOREt "bsi__ServiceID_USCOREt *a" "bsi:ServiceID_t")
check_declared_type(soap_in_ixagd__XPath_USCOREt "std::string *s" "ixagd:XPath_t")
check_declared_type(soap_in_ixagd__Device_USCOREt "std::string *s" "ixagd:Device_t")
check_declared_type(soap_in_xsd__NCName "std::string *s" "xsd:NCName")
check_declared_type(soap_in_xsd__anyURI "std::string *s" "xsd:anyURI")

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
