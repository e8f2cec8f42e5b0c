// One source file's split job as the split run sees it: start, cancel and one kind of report.
#pragma once

#include "engine/Mp3FileSplitter.h"

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <memory>
#include <string>
#include <vector>

class AudioChunks;
class ISplitPointDetectorFsm;
class thread_pool;
struct TId3TagInfo;

class CSplitTask : private boost::noncopyable {
public:
    // Kinds of notification.
    enum { EFinished = 0, EFileWritten = 1, EProgress = 2 };

    // Task status of a finished notification.
    enum {
        ESuccess = 0,
        ECancelled = 1,
        EReadError = 2,
        EWriteError = 3,
        EOpenError = 4, // never produced by a task
        ECorruptInput = 5,
        ESplitEngineError = 6,
        EUnexpectedError = 7,
        EDecoderInitError = 8,
        ESilenceDetectionFailed = 9
    };

    // One notification, delivered on the worker thread.
    struct TProgressInfo {
        int kind;
        int fileIndex;
        int filePercent; // kinds EFinished and EProgress
        const wchar_t* fileName; // kind EFileWritten; valid only during the call
        int nextTrack; // kind EFinished: the number the next part would take
        int status; // kind EFinished
    };

    typedef boost::function<void(TProgressInfo)> TProgressFunction;

    // Creates and configures the splitter of one source file. The destination directory ends with a
    // path separator; searchWindowMs 0 writes every cut at once (time-based cutting).
    CSplitTask(const boost::shared_ptr<ISplitPointDetectorFsm>& detector, AudioChunks* chunks,
        bool lastPartOfRun, int fileIndex, const wchar_t* sourceFileName, const wchar_t* destinationDirectory,
        const wchar_t* baseName, int firstTrackNumber, int additionalSilenceMs, const TId3TagInfo& tagInfo,
        TProgressFunction progress, int searchWindowMs);
    // The job must have returned before the task goes.
    virtual ~CSplitTask();

    // Schedules the split on the pool; true the first time, false afterwards.
    bool Start(thread_pool& pool);
    // Files that no part may replace: the run's other sources. Call before Start.
    void SetProtectedFiles(const std::vector<std::wstring>& paths);
    // Asks the split to stop; any thread, also from inside a notification.
    void Cancel();

    // The task status for a splitter result; 7 for any value outside the table.
    static int MapStatus(int splitterResult);

    void OnStatus(CMp3FileSplitter::TStatus status);
    void OnFileWritten(const std::wstring& path);

private:
    int fileIndex;
    TProgressFunction progress;
    std::unique_ptr<CMp3FileSplitter> splitter;
};
