#include "LogTestSupport.h"

#include <dlfcn.h>

namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

TEST_F(LogTest, LoadingTheLibraryStartsAndUnloadingStopsTheLog) {
    WriteFile(PathOf("r.reg"), "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n"
                               "\"OVCOM.Kavelin\"=\"console,4\"\n");
    setenv("KAVELIN_REGISTRY", PathOf("r.reg").c_str(), 1);
    CaptureStdout();
    void* library = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto fnKavelin = reinterpret_cast<int (*)()>(dlsym(library, "fnKavelin"));
    ASSERT_NE(fnKavelin, nullptr);
    EXPECT_EQ(fnKavelin(), 42);
    // The exported class: constructor and copy-assignment.
    EXPECT_NE(dlsym(library, "_ZN8CKavelinC1Ev"), nullptr);
    EXPECT_NE(dlsym(library, "_ZN8CKavelinaSERKS_"), nullptr);
    EXPECT_EQ(dlsym(library, "StartLogging"), nullptr) << "only the host-facing names are exported";
    dlclose(library);
    EXPECT_EQ(GetCapturedStdout(), "OVCOM.Kavelin:: ---Start Logging---\r\n"
                                   "OVCOM.Kavelin:: ---End Logging---\r\n");
}

} // namespace
