# Writes the engine's namespace table from the schema namespace directives of the binding's
# main interface header, in their order, after the four standard rows, so the namespace
# names are kept in that header alone. Run as: cmake -DHEADER=... -DOUTPUT=... -P this file.
file(STRINGS ${HEADER} directives REGEX "^//gsoap [A-Za-z0-9_]+ +schema namespace:")
set(rows "")
foreach(line IN LISTS directives)
    string(REGEX REPLACE "^//gsoap ([A-Za-z0-9_]+) +schema namespace: *([^ ]+).*$"
           "    {\"\\1\", \"\\2\", nullptr, nullptr},\n" row "${line}")
    string(APPEND rows "${row}")
endforeach()

# The auxiliary schema's prefix ns1 has no namespace name of its own. These rows name none, so
# they are never written; on input each takes the next namespace name of an answer that no
# row above holds, so ns1's elements and types match whatever name the device binds ns1 to.
# The engine starts every message from the table again, so what a row took lasts one answer.
set(ns1_rows "")
foreach(row RANGE 1 8)
    string(APPEND ns1_rows "    {\"ns1\", nullptr, \"*\", nullptr},\n")
endforeach()

file(WRITE ${OUTPUT}
"// Generated from the binding's interface header; do not edit.
#include \"stdsoap2.h\"

// The runtime links against this symbol, so it keeps the name the runtime expects and stays
// visible to it.
__attribute__((visibility(\"default\"))) struct Namespace namespaces[] = {
    {\"SOAP-ENV\", \"http://schemas.xmlsoap.org/soap/envelope/\",
     \"http://www.w3.org/*/soap-envelope\", nullptr},
    {\"SOAP-ENC\", \"http://schemas.xmlsoap.org/soap/encoding/\",
     \"http://www.w3.org/*/soap-encoding\", nullptr},
    {\"xsi\", \"http://www.w3.org/2001/XMLSchema-instance\",
     \"http://www.w3.org/*/XMLSchema-instance\", nullptr},
    {\"xsd\", \"http://www.w3.org/2001/XMLSchema\", \"http://www.w3.org/*/XMLSchema\", nullptr},
${rows}${ns1_rows}    {nullptr, nullptr, nullptr, nullptr}};
")
