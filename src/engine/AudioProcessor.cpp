// The pause detector with a fixed loudness threshold.
#include "engine/AudioProcessor.h"

#include "engine/Log.h"

#include <boost/format.hpp>
#include <limits>

namespace {

// Frame durations arrive in 100 ns units; everything compared is in whole milliseconds.
const std::uint32_t UnitsPerMs = 10000;
// A pause ends only once more than this much sound follows it.
const std::uint32_t EndOfPauseMs = 60;
// Up to this target length the first pause after it is passed over.
const std::uint32_t IgnoreFirstPauseUpToMs = 59000;
// The analysis log line is written for every this many chunks.
const std::uint32_t AnalysisLogInterval = 25;

// Pause lengths saturate instead of wrapping, so an endless quiet stretch can never look short.
std::uint32_t SaturatingAdd(std::uint32_t a, std::uint64_t b)
{
    const std::uint64_t sum = a + b;
    const std::uint64_t max = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(sum > max ? max : sum);
}

} // namespace

CAudioProcessor::CAudioProcessor()
    : state(ESearchAndIgnoreSignal)
    , analysisStart(60000)
    , minimumPause(0)
    , cutPosition(0.8f)
    , threshold(1)
    , ignoreFirstPause(true)
    , elapsed(0)
    , pauseMs(0)
    , pauseChunks(0)
    , signalMs(0)
    , signalChunks(0)
{
    Reset();
}

std::uint32_t CAudioProcessor::RecordChunk(std::uint32_t duration, std::uint32_t& index)
{
    index = static_cast<std::uint32_t>(chunkDurations.size());
    const std::uint32_t ms = duration / UnitsPerMs;
    chunkDurations.push_back(ms);
    elapsed += duration;
    return ms;
}

bool CAudioProcessor::IsPastStart() const
{
    return elapsed / UnitsPerMs > analysisStart;
}

int CAudioProcessor::ProcessIgnoreStep(std::uint32_t duration, std::uint32_t& index)
{
    if (state != ESearchAndIgnoreSignal)
        return 0;
    RecordChunk(duration, index);
    if (IsPastStart()) {
        if (minimumPause == 0) {
            Trace(L"Split point found (time based cutting)");
            state = ESplitPointFound;
        } else {
            ClearPause();
            Trace(L"Switch from ESearchAndIgnoreSignal to ESearchAndAnalyseSignal");
            state = ESearchAndAnalyseSignal;
            if (analysisStart > IgnoreFirstPauseUpToMs)
                ignoreFirstPause = false;
        }
    }
    return state;
}

int CAudioProcessor::ProcessAnalyseStep(std::uint32_t duration, std::uint32_t level, std::uint32_t& index)
{
    if (state != ESearchAndAnalyseSignal)
        return 0;
    const bool pastBefore = IsPastStart();
    const std::uint32_t ms = RecordChunk(duration, index);
    const bool pastAfter = IsPastStart();
    if (pastAfter && index % AnalysisLogInterval == 0)
        LogInfo((boost::wformat(L"Analysis: chu %d  sig %d") % index % level).str());

    if (minimumPause == 0) {
        if (pastAfter) {
            Trace(L"Split point found (time based cutting)");
            state = ESplitPointFound;
        }
        return state;
    }

    if (level < threshold) {
        // A loud run too short to end the pause becomes part of it.
        pauseMs = SaturatingAdd(pauseMs, std::uint64_t(signalMs) + ms);
        pauseChunks += signalChunks + 1;
        signalMs = 0;
        signalChunks = 0;
        return state;
    }

    if (pauseMs == 0) {
        // Quiet chunks shorter than a millisecond make no pause; they must not shift a later cut.
        pauseChunks = 0;
        return state;
    }

    signalMs = SaturatingAdd(signalMs, ms);
    signalChunks += 1;

    if (signalMs > EndOfPauseMs) {
        if (ignoreFirstPause) {
            ignoreFirstPause = false;
            ClearPause();
        } else if (pauseMs > minimumPause && pastAfter && pastBefore) {
            LogInfo((boost::wformat(L"Split point found after %d ms") % pauseMs).str());
            state = ESplitPointFound;
        } else {
            ClearPause();
        }
    }

    if (signalCallback)
        signalCallback(static_cast<std::uint8_t>(level > 255 ? 255 : level), state == ESplitPointFound);
    return state;
}

int CAudioProcessor::GetSplitChunk(std::uint32_t& index) const
{
    if (state != ESplitPointFound)
        return 0;
    // pauseMs times a position in 0..1 always fits back into 32 bits.
    const std::uint64_t cut = static_cast<std::uint64_t>(static_cast<double>(pauseMs) * cutPosition);
    const std::size_t count = chunkDurations.size();
    const std::size_t inPause = std::size_t(signalChunks) + pauseChunks;
    std::size_t i = inPause < count ? count - inPause : 0;
    std::uint64_t sum = 0;
    while (cut != 0 && sum < cut && i < count) {
        sum += chunkDurations[i];
        ++i;
    }
    index = static_cast<std::uint32_t>(i);
    return ESplitPointFound;
}

int CAudioProcessor::Reset()
{
    ClearPause();
    elapsed = 0;
    ignoreFirstPause = true;
    chunkDurations.clear();
    state = ESearchAndIgnoreSignal;
    return state;
}

int CAudioProcessor::GetState() const
{
    return state;
}

int CAudioProcessor::GetChunkCount(std::uint32_t& count) const
{
    count = static_cast<std::uint32_t>(chunkDurations.size());
    return state;
}

void CAudioProcessor::SetAnalysisStart(std::uint32_t ms)
{
    analysisStart = ms;
}

void CAudioProcessor::SetMinimumPause(std::uint32_t ms)
{
    minimumPause = ms;
}

void CAudioProcessor::SetCutPosition(float position)
{
    // Written so that NaN fails the test as well.
    if (position >= 0.0f && position <= 1.0f)
        cutPosition = position;
}

void CAudioProcessor::SetThreshold(std::uint32_t level)
{
    threshold = level;
}

void CAudioProcessor::SetSignalCallback(const SignalCallback& callback)
{
    signalCallback = callback;
}

void CAudioProcessor::ClearPause()
{
    pauseMs = 0;
    pauseChunks = 0;
    signalMs = 0;
    signalChunks = 0;
}
