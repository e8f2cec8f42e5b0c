// libFuzzer entry point for the element parser.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz_bodies::ParseAll(data, size);
    return 0;
}
