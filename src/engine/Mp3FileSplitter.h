// Splits one MP3 source into part files: reads every frame, steps the pause detector and writes each part.
#pragma once

#include "engine/AudioChunks.h"
#include "engine/Id3TagInfo.h"
#include "engine/Mp3Decoder.h"

#include <atomic>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <string>
#include <vector>

class ISplitPointDetectorFsm;
class thread_pool;

class CMp3FileSplitter : private boost::noncopyable {
public:
    // Results of a run, carried by the final status.
    enum {
        EDone = 0,
        ECancelled = 1,
        EReadError = 2,
        EWriteError = 3,
        EInvalidData = 4,
        ESplitError = 5,
        EDecoderError = 6,
        ENoSplitPoint = 7
    };

    // Progress (finished false, result 0) or the final outcome (finished true) of a run.
    struct TStatus {
        int percent;
        int nextTrack; // the number the next part would take
        bool finished;
        int result;
    };

    typedef boost::function<void(const std::wstring&)> TFileWrittenNotifier;
    typedef boost::function<void(TStatus)> TStatusNotifier;

    // The detector and chunks are the run's, shared by every splitter of the run; the destination
    // directory ends with a path separator. A searchWindowMs of 0 writes every cut at once.
    CMp3FileSplitter(const boost::shared_ptr<ISplitPointDetectorFsm>& detector, AudioChunks* chunks,
        bool lastPartOfRun, const std::wstring& sourceFileName, const std::wstring& destinationDirectory,
        unsigned searchWindowMs);
    ~CMp3FileSplitter();

    // Number of the first part this splitter writes.
    void SetFirstTrackNumber(unsigned n);
    // Called with the path of every part after its file was closed; must be set before Start.
    void SetFileWrittenNotifier(const TFileWrittenNotifier& notifier);
    // Called with every progress status and with the one final status.
    void SetStatusNotifier(const TStatusNotifier& notifier);
    // Name part of the part files and of their default titles.
    void SetBaseName(const std::wstring& name);
    void SetId3TagInfo(const TId3TagInfo& info);
    // Silence added on each side of a cut, in ms (0 for none).
    void SetAdditionalSilenceDuration(unsigned ms);
    // Files that no part may replace (the other sources of the run); the own source always counts.
    void SetProtectedFiles(const std::vector<std::wstring>& paths);

    // Schedules Split on the pool; true the first time, false (nothing scheduled) afterwards.
    bool Start(thread_pool& pool);
    // Asks a running split to stop before its next element; any thread, also from a notifier.
    void Cancel();

    // The whole run over the source file; its outcome is the final status.
    void Split();
    // One audio frame: buffers it, steps the detector and writes a part at a cut. 0 or a result.
    int ProcessFrame(const IMp3Decoder::TFrameInfo& frame);
    // Writes the first index chunks of the buffer as one part; the rest start the next part.
    int WriteChunk(std::uint32_t index);

    // Writes every buffered frame as one part file; last says that no frames follow it.
    // 0, or EWriteError when the file could not be created or written whole.
    int WritePart(bool last);
    // Creates the file of the next part; 0 or EWriteError.
    int OpenNextFile();
    // Adds silent frames at the end (append) or in front of the buffer.
    void AddSilence(bool append);
    // Writes a Xing frame counting the given frames and bytes; nothing if it cannot be built.
    static void WriteVBRFRame(
        std::ostream& output, std::uint32_t frames, std::uint32_t bytes, std::uint32_t header);
    // Writes an ID3v2.3 tag with 200 bytes of padding; nothing if a frame cannot be built.
    static void WriteId3v23Tag(std::ostream& output, const std::wstring& title, const std::wstring& artist,
        const std::wstring& album, const std::wstring& genre, const std::wstring& comment,
        const std::wstring& track);
    // Writes a 128-byte ID3v1.1 tag with genre 101.
    static void WriteId3v1Tag(std::ostream& output, const std::wstring& title, const std::wstring& artist,
        const std::wstring& album, const std::wstring& comment, std::uint8_t track);

    // Path of the part being written, or of the last part written.
    const std::wstring& GetCurrentFileName() const { return currentFileName; }

private:
    int Run(std::uint32_t startNumber, int& percent);
    int Decode(IMp3Decoder& decoder, std::uint64_t size, std::uint32_t startNumber, int& percent);
    int FinishLastSource(std::uint32_t startNumber, int& percent);
    int DecoderFailure(int decoderResult);
    void Notify(int percent, bool finished, int result);
    void CaptureSilentFrame(const IMp3Decoder::TFrameInfo& frame);
    std::uint32_t SilentFrameCount() const;
    std::wstring PartNumberText() const;
    void RemoveSilence(std::uint32_t leading, std::uint32_t trailing);
    void DiscardPartFile();

    boost::shared_ptr<ISplitPointDetectorFsm> detector;
    AudioChunks* chunks;
    bool lastPartOfRun;
    AudioChunks tail;
    std::wstring sourceFileName;
    std::wstring destinationDirectory;
    TFileWrittenNotifier fileWrittenNotifier;
    TStatusNotifier statusNotifier;
    bool started = false;
    std::atomic<bool> cancelRequested { false };
    std::wstring baseName;
    TId3TagInfo tagInfo;
    std::uint32_t partNumber = 1;
    std::wstring currentFileName;
    std::ofstream output;
    bool vbr = false;
    std::uint32_t lastBitrate = 0;
    std::uint32_t analyseFrames = 0;
    std::uint32_t pendingCut = 0;
    std::uint32_t writeAheadLimit = 0xFFFFFFFFu;
    std::uint32_t searchWindowMs;
    std::uint32_t additionalSilenceMs = 0;
    std::vector<std::wstring> protectedFiles;
    AudioChunks silentFrame;
    std::uint32_t silentFrameMs = 0;
};
