// The settings of a pause detector, all times in milliseconds.
#pragma once

#include <cstdint>

class IAudioProcessorConfig {
public:
    // Elapsed milliseconds that must pass before pauses are looked for (the target part length).
    virtual void SetAnalysisStart(std::uint32_t ms) = 0;

    // A pause must be longer than this to count; 0 cuts by time alone.
    virtual void SetMinimumPause(std::uint32_t ms) = 0;

    // Where inside the pause the cut goes, 0 (its start) to 1 (its end); other values, NaN
    // included, are ignored.
    virtual void SetCutPosition(float position) = 0;

    virtual ~IAudioProcessorConfig() = default;
};
