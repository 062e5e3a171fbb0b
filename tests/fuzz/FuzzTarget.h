#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// Each fuzz target defines both: the function libFuzzer calls, and the inputs the standalone
// driver starts its mutations from when the compiler has no libFuzzer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
std::vector<std::string> fuzzSeeds();

// Ends the run as a crash, which both drivers report, when a property does not hold.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}
