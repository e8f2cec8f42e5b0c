// A pause detector that hands every call on to a standard detector it owns.
#include "engine/AdaptiveAudioProcessor.h"

#include "engine/Log.h"

#include <boost/format.hpp>

CAdaptiveAudioProcessor::CAdaptiveAudioProcessor()
    : processor(new CAudioProcessor)
{
    processor->Reset();
}

int CAdaptiveAudioProcessor::ProcessIgnoreStep(std::uint32_t duration, std::uint32_t& index)
{
    return processor->ProcessIgnoreStep(duration, index);
}

int CAdaptiveAudioProcessor::ProcessAnalyseStep(
    std::uint32_t duration, std::uint32_t level, std::uint32_t& index)
{
    Trace((boost::wformat(L"AAP: ;%d") % level).str());
    return processor->ProcessAnalyseStep(duration, level, index);
}

int CAdaptiveAudioProcessor::GetSplitChunk(std::uint32_t& index) const
{
    return processor->GetSplitChunk(index);
}

int CAdaptiveAudioProcessor::Reset()
{
    return processor->Reset();
}

int CAdaptiveAudioProcessor::GetState() const
{
    return processor->GetState();
}

int CAdaptiveAudioProcessor::GetChunkCount(std::uint32_t& count) const
{
    return processor->GetChunkCount(count);
}

void CAdaptiveAudioProcessor::SetAnalysisStart(std::uint32_t ms)
{
    processor->SetAnalysisStart(ms);
}

void CAdaptiveAudioProcessor::SetMinimumPause(std::uint32_t ms)
{
    processor->SetMinimumPause(ms);
}

void CAdaptiveAudioProcessor::SetCutPosition(float position)
{
    processor->SetCutPosition(position);
}

void CAdaptiveAudioProcessor::SetSignalCallback(const CAudioProcessor::SignalCallback& callback)
{
    processor->SetSignalCallback(callback);
}
