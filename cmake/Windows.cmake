# The Windows build's dependencies: gSOAP's runtime compiled from Debian's gsoap source package
# (scripts/install-deps.sh --windows unpacks it), the platform's COM, registry, Winsock and
# XML DOM, and the C++ runtime linked in, so that kavelin.dll needs nothing beside itself.
set(KAVELIN_GSOAP_SOURCE "" CACHE PATH "The gsoap folder of Debian's unpacked gsoap source package")
if(NOT EXISTS "${KAVELIN_GSOAP_SOURCE}/stdsoap2.cpp")
    message(FATAL_ERROR "KAVELIN_GSOAP_SOURCE must name the gsoap folder of gSOAP's source "
                        "(scripts/install-deps.sh --windows unpacks it)")
endif()

add_library(kavelin_gsoap_runtime STATIC ${KAVELIN_GSOAP_SOURCE}/stdsoap2.cpp
                                         ${KAVELIN_GSOAP_SOURCE}/dom.cpp)
# The same engine options as Debian's libgsoap++.
target_compile_definitions(kavelin_gsoap_runtime PUBLIC WITH_IPV6 WITH_DOM)
target_include_directories(kavelin_gsoap_runtime SYSTEM PUBLIC ${KAVELIN_GSOAP_SOURCE})
target_compile_options(kavelin_gsoap_runtime PRIVATE -w)
target_link_libraries(kavelin_gsoap_runtime PUBLIC ws2_32)
add_library(kavelin_gsoap INTERFACE)
target_link_libraries(kavelin_gsoap INTERFACE kavelin_gsoap_runtime)

add_library(kavelin_platform_libraries INTERFACE)
target_link_libraries(kavelin_platform_libraries INTERFACE ole32 oleaut32 uuid ws2_32 advapi32)
target_compile_definitions(kavelin_platform_libraries INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0601)
# Shipped without debug information (-s); the build keeps it in the objects.
add_link_options(-static-libgcc -static-libstdc++ -static -s)
