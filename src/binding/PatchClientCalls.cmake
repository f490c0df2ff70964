# Adjusts the generated client calls where soapcpp2's shape differs from the exchange the
# devices expect; each adjustment must occur exactly as often as it says.
# Run as: cmake -DFILE=<soapClient.cpp> -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/CountedPatches.cmake)
# A failed decode is a Fault only when the mismatch is directly inside the Body, and an empty
# Body is read to its end (every call): to the wrapper answers it is one without a response
# structure, to the others no answer at all.
set(space "[ \t\r\n]*")
counted_regex_patch("(soap_get___ixawsdl__[A-Za-z]+Response\\(soap, &response, \"[^\"]*\", NULL\\);${space}if \\(soap->error\\)${space})return soap_recv_fault\\(soap, 0\\);"
                    "\\1return kavelin::binding::ReadWrapperFaultInBody(soap);" 5)
counted_patch("return soap_recv_fault(soap, 0);"
              "return kavelin::binding::ReadFaultInBody(soap);" 21)
apply_counted_patches(${FILE})
