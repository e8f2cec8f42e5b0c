// The split task: configures its splitter and turns the splitter's notifications into one record.
#include "engine/SplitTask.h"

#include "engine/Id3TagInfo.h"

#include <boost/bind/bind.hpp>

CSplitTask::CSplitTask(const boost::shared_ptr<ISplitPointDetectorFsm>& detector, AudioChunks* chunks,
    bool lastPartOfRun, int fileIndex, const wchar_t* sourceFileName, const wchar_t* destinationDirectory,
    const wchar_t* baseName, int firstTrackNumber, int additionalSilenceMs, const TId3TagInfo& tagInfo,
    TProgressFunction progress, int searchWindowMs)
    : fileIndex(fileIndex)
    , progress(progress)
{
    splitter.reset(new CMp3FileSplitter(detector, chunks, lastPartOfRun,
        sourceFileName ? sourceFileName : L"", destinationDirectory ? destinationDirectory : L"",
        searchWindowMs > 0 ? static_cast<unsigned>(searchWindowMs) : 0u));
    splitter->SetBaseName(baseName ? baseName : L"");
    splitter->SetId3TagInfo(tagInfo);
    splitter->SetFirstTrackNumber(static_cast<unsigned>(firstTrackNumber));
    splitter->SetFileWrittenNotifier(boost::bind(&CSplitTask::OnFileWritten, this, boost::placeholders::_1));
    splitter->SetStatusNotifier(boost::bind(&CSplitTask::OnStatus, this, boost::placeholders::_1));
    splitter->SetAdditionalSilenceDuration(
        additionalSilenceMs > 0 ? static_cast<unsigned>(additionalSilenceMs) : 0u);
}

CSplitTask::~CSplitTask()
{
    splitter.reset();
    progress.clear();
}

bool CSplitTask::Start(thread_pool& pool)
{
    return splitter->Start(pool);
}

void CSplitTask::SetProtectedFiles(const std::vector<std::wstring>& paths)
{
    splitter->SetProtectedFiles(paths);
}

void CSplitTask::Cancel()
{
    splitter->Cancel();
}

int CSplitTask::MapStatus(int splitterResult)
{
    static const int statuses[] = { ESuccess, ECancelled, EReadError, EWriteError, ECorruptInput,
        ESplitEngineError, EDecoderInitError, ESilenceDetectionFailed };
    if (splitterResult < 0 || splitterResult > 7)
        return EUnexpectedError;
    return statuses[splitterResult];
}

void CSplitTask::OnStatus(CMp3FileSplitter::TStatus status)
{
    if (!progress)
        return;
    TProgressInfo info;
    info.fileIndex = fileIndex;
    info.filePercent = status.percent;
    info.fileName = nullptr;
    if (status.finished) {
        info.kind = EFinished;
        info.nextTrack = status.nextTrack;
        info.status = MapStatus(status.result);
    } else {
        info.kind = EProgress;
        info.nextTrack = 0;
        info.status = 0;
    }
    progress(info);
}

void CSplitTask::OnFileWritten(const std::wstring& path)
{
    if (!progress)
        return;
    TProgressInfo info;
    info.kind = EFileWritten;
    info.fileIndex = fileIndex;
    info.filePercent = 0;
    info.fileName = path.c_str();
    info.nextTrack = 0;
    info.status = 0;
    progress(info);
}
