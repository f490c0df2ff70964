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
${rows}    {nullptr, nullptr, nullptr, nullptr}};
")
