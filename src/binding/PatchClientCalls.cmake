# Adjusts the generated client calls where soapcpp2's shape differs from the exchange the
# devices expect. Run as: cmake -DFILE=<soapClient.cpp> -P this file.
file(READ ${FILE} calls)
# Literal answers: the first element of the Body, whatever its name.
string(REPLACE "soap_inliteral(soap, \"XML\", (char**)__literalAnswer)"
               "soap_inliteral(soap, NULL, (char**)__literalAnswer)" calls "${calls}")
# A failed decode is a Fault only when the mismatch is directly inside the Body.
string(REPLACE "return soap_recv_fault(soap, 0);" "return soap_recv_fault_in_body(soap);"
               calls "${calls}")
file(WRITE ${FILE} "${calls}")
