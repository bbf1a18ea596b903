// What every fuzz target shares: libFuzzer's entry point and the check that turns a broken
// invariant into a crash, which libFuzzer then saves as an input to replay.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Aborts with the broken promise named, so that the saved input comes with a reason.
inline void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Whether the bytes are well-formed UTF-8: shortest forms only, no surrogates, nothing above
// U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace fuzz
