// Times the frame decoder against libmpg123 alone on an hour of speech-like audio, same output settings.
#include "engine/AcmMp3Decoder.h"

#include <mpg123.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Made once with espeak-ng, sox and lame and kept in the temporary directory for later runs.
fs::path SpeechFile()
{
    const fs::path dir = fs::temp_directory_path() / "vellomar-bench";
    const fs::path mp3 = dir / "speech-65min.mp3";
    if (fs::exists(mp3) && fs::file_size(mp3) > 0)
        return mp3;
    fs::create_directories(dir);
    const std::string d = dir.string();
    const std::string text = "Chapter one. The harbour lay quiet in the grey light before dawn, and the "
                             "fishing boats rocked gently against the old stone wall. Nobody spoke. Far "
                             "away a bell rang twice, then the wind carried the sound out to sea.";
    // About 16 s of speech and a 1.5 s pause, repeated to 65 minutes, as a mono audiobook.
    const std::string commands = "espeak-ng -s 150 -w '" + d + "/block.wav' '" + text + "' && sox '" + d
        + "/block.wav' -r 44100 '" + d + "/block44.wav' pad 0 1.5 && sox '" + d + "/block44.wav' '" + d
        + "/long.wav' repeat 240 trim 0 3900 && lame --quiet -m m -b 64 '" + d + "/long.wav' '" + d
        + "/tmp.mp3' && mv '" + d + "/tmp.mp3' '" + mp3.string() + "' && rm -f '" + d + "'/*.wav";
    std::cout << "Generating " << mp3 << " (takes a few minutes) ..." << std::endl;
    if (std::system(commands.c_str()) != 0) {
        std::cerr << "Could not generate the audio (needs espeak-ng, sox and lame)" << std::endl;
        std::exit(1);
    }
    return mp3;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Frames decoded and seconds taken through the frame decoder, loudness included.
double DecodeWithFrameDecoder(const fs::path& file, std::size_t& frames, double& loudness)
{
    const auto start = std::chrono::steady_clock::now();
    std::ifstream in(file, std::ios::binary);
    CAcmMp3Decoder decoder(in);
    IMp3Decoder::TFrameInfo info;
    int result;
    frames = 0;
    loudness = 0;
    while ((result = decoder.Decode(info, 0)) == IMp3Decoder::EOk || result == IMp3Decoder::EBadFrame) {
        if (result == IMp3Decoder::EOk) {
            ++frames;
            loudness += info.energy;
        }
    }
    return Seconds(start);
}

// The same decode with libmpg123 alone: mono mix, a quarter of the rate, unsigned 8 bit.
double DecodeWithLibrary(const fs::path& file, std::size_t& frames, std::size_t& bytes)
{
    const auto start = std::chrono::steady_clock::now();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_MONO_MIX | MPG123_QUIET, 0);
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_param(handle, MPG123_DOWN_SAMPLE, 2, 0);
    mpg123_format_none(handle);
    mpg123_format(handle, 11025, MPG123_MONO, MPG123_ENC_UNSIGNED_8);
    frames = 0;
    bytes = 0;
    if (mpg123_open(handle, file.c_str()) == MPG123_OK) {
        for (;;) {
            off_t number;
            unsigned char* audio;
            std::size_t size;
            const int status = mpg123_decode_frame(handle, &number, &audio, &size);
            if (status == MPG123_NEW_FORMAT)
                continue;
            if (status != MPG123_OK)
                break;
            ++frames;
            bytes += size;
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return Seconds(start);
}

} // namespace

int main()
{
    const fs::path file = SpeechFile();
    {
        // Both runs start with the file in the page cache.
        std::ifstream warm(file, std::ios::binary);
        std::vector<char> block(1 << 20);
        while (warm.read(block.data(), block.size()) || warm.gcount() > 0) { }
    }
    std::size_t ourFrames = 0, libFrames = 0, libBytes = 0;
    double loudness = 0;
    const double ours = DecodeWithFrameDecoder(file, ourFrames, loudness);
    const double library = DecodeWithLibrary(file, libFrames, libBytes);
    std::printf("file: %s (%.1f MB)\n", file.c_str(), fs::file_size(file) / 1e6);
    std::printf("CAcmMp3Decoder: %zu frames in %.3f s (mean loudness %.1f)\n", ourFrames, ours,
        ourFrames ? loudness / ourFrames : 0.0);
    std::printf("libmpg123 alone: %zu frames, %zu PCM bytes in %.3f s\n", libFrames, libBytes, library);
    std::printf("ratio: %.3f (target below 1.2)\n", library > 0 ? ours / library : 0.0);
    return 0;
}
