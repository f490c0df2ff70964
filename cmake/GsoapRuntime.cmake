# gSOAP's runtime, compiled from Debian's own gsoap source package (scripts/install-deps.sh
# unpacks it into build-deps/) into an archive of our own, on both platforms. The library links
# it whole and hidden: a host that uses gSOAP itself keeps its runtime and callbacks, and ours
# never bind to its, nor its to ours. It also makes the engine's build options ours to choose.
set(KAVELIN_GSOAP_SOURCE "${CMAKE_SOURCE_DIR}/build-deps/gsoap/gsoap" CACHE PATH
    "The gsoap folder of Debian's unpacked gsoap source package")
if(NOT EXISTS "${KAVELIN_GSOAP_SOURCE}/stdsoap2.cpp")
    message(FATAL_ERROR "KAVELIN_GSOAP_SOURCE must name the gsoap folder of gSOAP's source; "
                        "scripts/install-deps.sh unpacks it into build-deps/gsoap")
endif()

add_library(kavelin_gsoap_runtime STATIC ${KAVELIN_GSOAP_SOURCE}/stdsoap2.cpp
                                         ${KAVELIN_GSOAP_SOURCE}/dom.cpp)
# The same engine options as Debian's libgsoap++, but for the hash tables of ids and pointers:
# the engine clears and walks them whole for every message, and document/literal messages hold
# a handful of ids at most, so the lean sizes (a small prime, a small power of two) serve,
# where the default 1,999 and 4,096 buckets were a third of every exchange's instructions.
# References still resolve: a bucket chains whatever shares it. Every user of the engine's
# header sees these, as the context's layout depends on them.
target_compile_definitions(kavelin_gsoap_runtime PUBLIC WITH_IPV6 WITH_DOM SOAP_IDHASH=19
                                                        SOAP_PTRHASH=32)
target_include_directories(kavelin_gsoap_runtime SYSTEM PUBLIC ${KAVELIN_GSOAP_SOURCE})
target_compile_options(kavelin_gsoap_runtime PRIVATE -w)
add_library(kavelin_gsoap INTERFACE)
target_link_libraries(kavelin_gsoap INTERFACE kavelin_gsoap_runtime)
