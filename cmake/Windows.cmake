# The Windows build's dependencies: gSOAP's runtime compiled from Debian's gsoap source package
# (GsoapRuntime.cmake), the platform's COM, registry, Winsock and
# XML DOM, and the C++ runtime linked in, so that kavelin.dll needs nothing beside itself.
include(${CMAKE_CURRENT_LIST_DIR}/GsoapRuntime.cmake)
target_link_libraries(kavelin_gsoap_runtime PUBLIC ws2_32)

add_library(kavelin_platform_libraries INTERFACE)
target_link_libraries(kavelin_platform_libraries INTERFACE ole32 oleaut32 uuid ws2_32 advapi32)
target_compile_definitions(kavelin_platform_libraries INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0601)
# Shipped without debug information (-s); the build keeps it in the objects.
add_link_options(-static-libgcc -static-libstdc++ -static -s)
