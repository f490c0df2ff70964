// Arbitrary bytes as a ".reg" file. Every edit the parser gives back must name its key the
// way the registry expects it; anything else, a crash or a sanitizer report is a fault.
#include "os/RegFileParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& edit : os::ParseRegFile(bytes)) {
        const std::string_view key = edit.keyPath;
        if (!key.empty() && (key.front() == '\\' || key.back() == '\\'))
            std::abort();
        if (edit.kind != os::RegFileEdit::SetValue && !edit.value.data.empty())
            std::abort();
        // Readers rely on these shapes: a terminated text, a four-byte number.
        const auto& value = edit.value;
        if (edit.kind == os::RegFileEdit::SetValue && value.type == os::RegSz &&
            (value.data.empty() || value.data.back() != 0))
            std::abort();
        if (edit.kind == os::RegFileEdit::SetValue && value.type == os::RegDword &&
            value.data.size() != 4)
            std::abort();
    }
    return 0;
}
