// libFuzzer entry point for a whole split of one input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz_bodies::SplitAll(data, size);
    return 0;
}
