// The pause detector with a fixed loudness threshold.
#pragma once

#include "engine/AudioProcessorConfig.h"
#include "engine/SplitPointDetectorFsm.h"

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <cstdint>
#include <vector>

class CAudioProcessor : public ISplitPointDetectorFsm,
                        public IAudioProcessorConfig,
                        private boost::noncopyable {
public:
    // Called for every loud chunk that follows a pause: the level clamped to 255, and whether the
    // split point has just been found.
    typedef boost::function<void(std::uint8_t, bool)> SignalCallback;

    // Starts in ESearchAndIgnoreSignal with the default settings (start 60000 ms, no minimum
    // pause, cut position 0.8, threshold 1).
    CAudioProcessor();

    int ProcessIgnoreStep(std::uint32_t duration, std::uint32_t& index) override;
    int ProcessAnalyseStep(std::uint32_t duration, std::uint32_t level, std::uint32_t& index) override;
    int GetSplitChunk(std::uint32_t& index) const override;
    int Reset() override;
    int GetState() const override;
    int GetChunkCount(std::uint32_t& count) const override;

    void SetAnalysisStart(std::uint32_t ms) override;
    void SetMinimumPause(std::uint32_t ms) override;
    void SetCutPosition(float position) override;

    // A chunk whose level is below this value is quiet.
    void SetThreshold(std::uint32_t level);
    // Stores the callback for loud chunks after a pause; an empty one disables it.
    void SetSignalCallback(const SignalCallback& callback);
    // Forgets the pause being measured and the loud run after it.
    void ClearPause();

private:
    // Records one chunk and returns its duration in whole milliseconds.
    std::uint32_t RecordChunk(std::uint32_t duration, std::uint32_t& index);
    bool IsPastStart() const;

    int state;
    std::uint32_t analysisStart;
    std::uint32_t minimumPause;
    float cutPosition;
    std::uint32_t threshold;
    bool ignoreFirstPause;
    SignalCallback signalCallback;
    std::vector<std::uint32_t> chunkDurations; // ms, one per chunk since the last reset
    std::uint64_t elapsed; // exact, 100 ns units
    std::uint32_t pauseMs; // 0: no pause pending
    std::uint32_t pauseChunks;
    std::uint32_t signalMs;
    std::uint32_t signalChunks;
};
