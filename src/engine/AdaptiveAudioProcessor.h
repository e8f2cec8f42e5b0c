// A pause detector that hands every call on to a standard detector it owns.
#pragma once

#include "engine/AudioProcessor.h"

#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>

class CAdaptiveAudioProcessor : public ISplitPointDetectorFsm,
                                public IAudioProcessorConfig,
                                private boost::noncopyable {
public:
    // Creates the inner detector with its default settings (threshold 1).
    CAdaptiveAudioProcessor();

    int ProcessIgnoreStep(std::uint32_t duration, std::uint32_t& index) override;
    int ProcessAnalyseStep(std::uint32_t duration, std::uint32_t level, std::uint32_t& index) override;
    int GetSplitChunk(std::uint32_t& index) const override;
    int Reset() override;
    int GetState() const override;
    int GetChunkCount(std::uint32_t& count) const override;

    void SetAnalysisStart(std::uint32_t ms) override;
    void SetMinimumPause(std::uint32_t ms) override;
    void SetCutPosition(float position) override;

    // Passed on to the inner detector.
    void SetSignalCallback(const CAudioProcessor::SignalCallback& callback);

private:
    boost::shared_ptr<CAudioProcessor> processor;
};
