# kavelin.exe: the same host over LoadLibrary. Windows keeps the library's settings in its own
# registry and has no simulated device or event listener of ours, so the parts that stand in
# for them come from win32/.
set(windows_cli_sources
    main.cpp AnswerNodes.cpp AnswerKind.cpp AnswerOutput.cpp ClosestName.cpp CommandLine.cpp
    FailureReport.cpp JsonText.cpp LogSettingCheck.cpp OperationRunner.cpp ParameterDocuments.cpp
    RequestDocuments.cpp ServiceChoice.cpp ServiceUrlCheck.cpp TerminalText.cpp TimeLimitSettings.cpp UsageText.cpp WatchOptions.cpp
    win32/BuiltInDevice.cpp win32/KavelinLibrary.cpp win32/RunEnvironment.cpp
    win32/VersionText.cpp win32/WatchCommand.cpp win32/WireTrace.cpp)
add_executable(kavelin_cli ${windows_cli_sources})
# Beside kavelin.dll, where it looks for the library first.
set_target_properties(kavelin_cli PROPERTIES OUTPUT_NAME kavelin
                      RUNTIME_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:kavelin>)
target_include_directories(kavelin_cli PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                           ${CMAKE_SOURCE_DIR}/include)
# The registry reader of the platform layer, to check the log setting the library will read.
target_link_libraries(kavelin_cli PRIVATE kv_base)
target_compile_definitions(kavelin_cli PRIVATE KAVELIN_VERSION="${PROJECT_VERSION}")
add_dependencies(kavelin_cli kavelin)
kavelin_own_code(kavelin_cli)
