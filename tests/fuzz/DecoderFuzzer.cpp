// libFuzzer entry point for the frame decoder.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz_bodies::DecodeAll(data, size);
    return 0;
}
