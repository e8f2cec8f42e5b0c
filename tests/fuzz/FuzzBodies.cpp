// The bodies of the fuzz targets, shared by the libFuzzer programs and the regression test.
#include "FuzzBodies.h"

#include "engine/AcmMp3Decoder.h"
#include "engine/Mp3Parser.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace fuzz_bodies {

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

// Reads every byte of an element so that the address sanitizer sees an element that points
// outside its buffer.
unsigned TouchBytes(const unsigned char* data, std::uint32_t size)
{
    unsigned sum = 0;
    for (std::uint32_t i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}

std::string AsString(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace

void ParseAll(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(AsString(data, size));
    CMp3Parser parser(in);
    CMp3Parser::TElement element;
    volatile unsigned sink = 0;
    // Every call that does not end the stream moves on by at least one byte.
    for (std::size_t calls = 0; calls <= size + 1; ++calls) {
        unsigned result = parser.ReadNextElement(element);
        Check(
            result >= CMp3Parser::EAudioFrame && result <= CMp3Parser::ENoSync, "parser result out of range");
        if (result == CMp3Parser::EEndOfFile) {
            Check(parser.ReadNextElement(element) == result, "parser did not stay at the end");
            return;
        }
        if (result == CMp3Parser::EReadError)
            return;
        Check(element.size <= size, "element longer than the input");
        if (element.size > 0) {
            Check(element.data != nullptr, "element without data");
            sink = sink + TouchBytes(element.data, element.size);
        }
        if (result == CMp3Parser::EAudioFrame || result == CMp3Parser::EVbrInfoFrame)
            Check(element.header != nullptr && element.size >= 4, "frame without its header");
    }
    Fail("parser did not reach the end of the input");
}

void DecodeAll(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(AsString(data, size));
    CAcmMp3Decoder decoder(in);
    IMp3Decoder::TFrameInfo info;
    volatile unsigned sink = 0;
    std::size_t consumed = 0;
    for (std::size_t calls = 0; calls <= size + 1; ++calls) {
        int result = decoder.Decode(info, 0);
        Check(
            result >= IMp3Decoder::EOk && result <= IMp3Decoder::ESetupFailed, "decoder result out of range");
        if (result == IMp3Decoder::EEndOfFile) {
            Check(decoder.Decode(info, 0) == IMp3Decoder::EEndOfFile, "decoder did not stay at the end");
            return;
        }
        if (result != IMp3Decoder::EOk && result != IMp3Decoder::EBadFrame)
            return;
        consumed += info.bytesConsumed;
        Check(consumed <= size, "decoder consumed more bytes than the input holds");
        Check(info.length <= info.bytesConsumed, "element longer than the bytes consumed");
        Check(info.bytesConsumed > 0, "decoder did not move on");
        if (info.length > 0) {
            Check(info.data != nullptr, "element without data");
            sink = sink + TouchBytes(info.data, info.length);
        }
        if (result == IMp3Decoder::EOk) {
            Check(info.energy >= 0.0f && info.energy <= 16384.0f, "energy out of range");
            Check(info.duration > 0 && info.bitrate > 0, "audio frame without duration or bitrate");
        }
    }
    Fail("decoder did not reach the end of the input");
}

} // namespace fuzz_bodies
