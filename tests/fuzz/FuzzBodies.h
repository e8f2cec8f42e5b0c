// The bodies of the fuzz targets, shared by the libFuzzer programs and the regression test.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz_bodies {

// Each body runs one input through its code path and aborts on a broken invariant (a call that
// neither ends nor moves on, an element outside the input, a result outside the documented set).

// The element parser over the input, element by element until the end.
void ParseAll(const std::uint8_t* data, std::size_t size);
// The frame decoder over the input, frame by frame until it stops.
void DecodeAll(const std::uint8_t* data, std::size_t size);
// A whole split of the input, written as a file, into a fresh directory (under the directory named by
// VELLOMAR_FUZZ_SCRATCH, else the system's temporary directory) with short parts; the input's size
// chooses cutting by time or by pauses, silence and tags.
void SplitAll(const std::uint8_t* data, std::size_t size);

} // namespace fuzz_bodies
