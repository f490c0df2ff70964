# What `cmake --install` puts in place: the library with its public headers, both tools, the
# sample playback answers beside the library, and the files a host project finds the library
# with: kavelin.pc for pkg-config and kavelinConfig.cmake (imported target kavelin::kavelin).
# Included at the end of the top-level CMakeLists.txt, once every target exists.
include(CMakePackageConfigHelpers)

set(kavelin_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/kavelin)

install(TARGETS kavelin EXPORT kavelinTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/kavelin DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# Playback reads its answers from the SoapMsgs folder beside the library's own file.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/SoapMsgs DESTINATION ${CMAKE_INSTALL_LIBDIR}
    FILES_MATCHING PATTERN "*Res.txt")
foreach(tool kavelin_cli kavelin-device)
    if(TARGET ${tool})
        install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(EXPORT kavelinTargets NAMESPACE kavelin:: DESTINATION ${kavelin_cmake_dir})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/kavelinConfig.cmake.in
    ${CMAKE_BINARY_DIR}/kavelinConfig.cmake INSTALL_DESTINATION ${kavelin_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/kavelinConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/kavelinConfig.cmake ${CMAKE_BINARY_DIR}/kavelinConfigVersion.cmake
    DESTINATION ${kavelin_cmake_dir})

# The prefix is found from the .pc file's own place, so an install moved with --prefix or
# DESTDIR still points at itself.
file(RELATIVE_PATH kavelin_pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" kavelin_pc_to_prefix "${kavelin_pc_to_prefix}")
set(kavelin_pc_prefix "\${pcfiledir}/${kavelin_pc_to_prefix}")
set(kavelin_pc_libdir "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
set(kavelin_pc_includedir "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/kavelin.pc.in ${CMAKE_BINARY_DIR}/for-install/kavelin.pc
    @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/for-install/kavelin.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# A host project can use this build tree as it is, without installing: kavelin.pc here names
# the library built here and the headers of the source tree (PKG_CONFIG_PATH=build), and
# kavelinConfig.cmake here reads the targets exported from this tree (-Dkavelin_DIR=build).
export(EXPORT kavelinTargets NAMESPACE kavelin:: FILE ${CMAKE_BINARY_DIR}/kavelinTargets.cmake)
set(kavelin_pc_prefix ${CMAKE_BINARY_DIR})
set(kavelin_pc_libdir "$<TARGET_FILE_DIR:kavelin>")
set(kavelin_pc_includedir ${CMAKE_SOURCE_DIR}/include)
configure_file(${CMAKE_SOURCE_DIR}/cmake/kavelin.pc.in ${CMAKE_BINARY_DIR}/for-build/kavelin.pc.in
    @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/kavelin.pc INPUT ${CMAKE_BINARY_DIR}/for-build/kavelin.pc.in)
