// Times the frame buffer and the pause detector through a ten-hour stream cut every five minutes.
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

int main()
{
    const std::uint32_t frameUnits = 261224; // 26.1224 ms
    const std::uint32_t frames
        = static_cast<std::uint32_t>(10ull * 3600 * 1000 * 10000 / frameUnits); // ten hours
    std::vector<std::uint8_t> frame(418, 0x55);

    CAudioProcessor detector;
    detector.SetThreshold(50);
    detector.SetAnalysisStart(300000);
    detector.SetMinimumPause(300);
    AudioChunks chunks, tail;
    std::ofstream sink("/dev/null", std::ios::binary);

    const auto start = std::chrono::steady_clock::now();
    unsigned parts = 0;
    for (std::uint32_t i = 0; i < frames; ++i) {
        chunks.Add(frame.data(), static_cast<std::uint32_t>(frame.size() - (i & 1)));
        std::uint32_t index = 0;
        // A 400 ms pause every 20 s of speech.
        const std::uint32_t level = (i % 780) < 16 ? 0 : 100;
        const int state = detector.GetState() == ISplitPointDetectorFsm::ESearchAndIgnoreSignal
            ? detector.ProcessIgnoreStep(frameUnits, index)
            : detector.ProcessAnalyseStep(frameUnits, level, index);
        if (state != ISplitPointDetectorFsm::ESplitPointFound)
            continue;
        std::uint32_t cut = 0, count = 0;
        detector.GetSplitChunk(cut);
        detector.GetChunkCount(count);
        detector.Reset();
        for (std::uint32_t k = cut; k < count; ++k)
            detector.ProcessIgnoreStep(frameUnits, index);
        chunks.Split(cut, tail);
        chunks.Flush(sink);
        chunks.Set(tail);
        ++parts;
    }
    chunks.Flush(sink);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%u frames, %u parts, %.3f s\n", frames, parts, seconds);
    return 0;
}
