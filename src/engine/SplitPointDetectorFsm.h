// The state machine that the splitter drives frame by frame to find where a part ends.
#pragma once

#include <cstdint>

class ISplitPointDetectorFsm {
public:
    // States, as plain ints; 0 means "no state" (the operation did not apply).
    enum {
        ESearchAndIgnoreSignal = 1, // counting time until the analysis start is passed
        ESearchAndAnalyseSignal = 2, // looking for a long enough pause
        ESplitPointFound = 3 // a cut is known; only GetSplitChunk, GetChunkCount, GetState, Reset apply
    };

    // One chunk in ESearchAndIgnoreSignal: duration in 100 ns units; index receives the chunk's index
    // since the last reset. Returns the state after the step, or 0 in any other state.
    virtual int ProcessIgnoreStep(std::uint32_t duration, std::uint32_t& index) = 0;

    // One chunk in ESearchAndAnalyseSignal with its loudness level. Returns the new state, or 0.
    virtual int ProcessAnalyseStep(std::uint32_t duration, std::uint32_t level, std::uint32_t& index) = 0;

    // In ESplitPointFound writes the index of the first chunk of the next part and returns 3;
    // otherwise returns 0 and leaves index untouched.
    virtual int GetSplitChunk(std::uint32_t& index) const = 0;

    // Back to ESearchAndIgnoreSignal with every counter cleared; the settings stay. Returns 1.
    virtual int Reset() = 0;

    // The current state.
    virtual int GetState() const = 0;

    // Writes the number of chunks seen since the last reset; returns the current state.
    virtual int GetChunkCount(std::uint32_t& count) const = 0;

    virtual ~ISplitPointDetectorFsm() = default;
};
