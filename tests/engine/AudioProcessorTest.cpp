// Where the pause detector cuts: analysis start, pause length, end of pause, cut position, resets.
#include "engine/AudioProcessor.h"
#include "engine/AdaptiveAudioProcessor.h"
#include "engine/LogStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

const std::uint32_t Mp3Frame = 261224; // 1152 samples at 44.1 kHz, in 100 ns units
const std::uint32_t Ms26 = 260000;
const std::uint32_t Quiet = 0;
const std::uint32_t Loud = 100;

enum {
    Ignore = ISplitPointDetectorFsm::ESearchAndIgnoreSignal,
    Analyse = ISplitPointDetectorFsm::ESearchAndAnalyseSignal,
    Found = ISplitPointDetectorFsm::ESplitPointFound
};

// Drives a detector the way the splitter does and remembers the index of the last step.
class Driver {
public:
    explicit Driver(ISplitPointDetectorFsm& fsm)
        : fsm(fsm)
    {
    }

    int Step(std::uint32_t duration, std::uint32_t level = Quiet)
    {
        return fsm.GetState() == Ignore ? fsm.ProcessIgnoreStep(duration, last)
                                        : fsm.ProcessAnalyseStep(duration, level, last);
    }

    // Steps count chunks; returns the last result.
    int Steps(int count, std::uint32_t duration, std::uint32_t level = Quiet)
    {
        int result = 0;
        for (int i = 0; i < count; ++i)
            result = Step(duration, level);
        return result;
    }

    // Ignores 26 ms chunks until the analysis begins; returns the index the next chunk gets.
    std::uint32_t PassStart()
    {
        while (fsm.GetState() == Ignore)
            Step(Ms26);
        return last + 1;
    }

    std::uint32_t SplitChunk()
    {
        std::uint32_t index = 0xDEADBEEF;
        EXPECT_EQ(Found, fsm.GetSplitChunk(index));
        return index;
    }

    std::uint32_t ChunkCount()
    {
        std::uint32_t count = 0;
        fsm.GetChunkCount(count);
        return count;
    }

    ISplitPointDetectorFsm& fsm;
    std::uint32_t last = 0;
};

class DetectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LogStore::Instance().Clear();
        detector.SetThreshold(50);
        detector.SetMinimumPause(200);
    }
    void TearDown() override { LogStore::Instance().Clear(); }

    // Ten quiet 26 ms chunks ended by three loud ones; returns the index of the first quiet one.
    std::uint32_t TenChunkPause()
    {
        const std::uint32_t first = drive.PassStart();
        EXPECT_EQ(Analyse, drive.Steps(10, Ms26, Quiet));
        EXPECT_EQ(Analyse, drive.Steps(2, Ms26, Loud));
        EXPECT_EQ(Found, drive.Step(Ms26, Loud));
        return first;
    }

    CAudioProcessor detector;
    Driver drive { detector };
};

// --- When the analysis starts ---

TEST_F(DetectorTest, The2297thMp3FrameIsTheFirstPastASixtySecondStart)
{
    // 2296 frames make 59977 ms; the exact sum matters, whole-ms frames would add up to 59696.
    for (std::uint32_t i = 0; i < 2296; ++i) {
        ASSERT_EQ(Ignore, drive.Step(Mp3Frame));
        ASSERT_EQ(i, drive.last);
    }
    EXPECT_EQ(Analyse, drive.Step(Mp3Frame));
    EXPECT_EQ(2296u, drive.last);
    EXPECT_EQ(2297u, drive.ChunkCount());
}

TEST_F(DetectorTest, ReachingTheStartExactlyIsNotPassingIt)
{
    detector.SetAnalysisStart(100);
    EXPECT_EQ(Ignore, drive.Steps(10, 100000)); // exactly 100 ms
    EXPECT_EQ(Ignore, drive.Step(9999)); // 100.9999 ms still counts as 100
    EXPECT_EQ(Analyse, drive.Step(1)); // 101 ms
}

TEST_F(DetectorTest, AStartOfTwoHoursIsCountedWithoutWrapping)
{
    // 2^32 units are only 429 s; the elapsed time must not be held in 32 bits.
    detector.SetAnalysisStart(7200000);
    EXPECT_EQ(Ignore, drive.Steps(276923, Ms26)); // 7199998 ms
    EXPECT_EQ(Analyse, drive.Step(Ms26));
}

// --- Cutting by time ---

TEST_F(DetectorTest, WithoutMinimumPauseTheChunkPastTheStartEndsThePart)
{
    detector.SetMinimumPause(0);
    detector.SetAnalysisStart(1000);
    EXPECT_EQ(Ignore, drive.Steps(38, Ms26)); // 988 ms
    EXPECT_EQ(Found, drive.Step(Ms26, Loud));
    EXPECT_EQ(39u, drive.ChunkCount());
    EXPECT_EQ(39u, drive.SplitChunk()); // every chunk seen belongs to the finished part
}

TEST_F(DetectorTest, MinimumPauseZeroSetDuringTheAnalysisCutsAtTheNextChunk)
{
    detector.SetAnalysisStart(1000);
    drive.PassStart();
    detector.SetMinimumPause(0);
    EXPECT_EQ(Found, drive.Step(Ms26, Loud));
    EXPECT_EQ(drive.ChunkCount(), drive.SplitChunk());
}

// --- How long a pause must be ---

TEST_F(DetectorTest, APauseOfExactlyTheMinimumGivesNoSplitPoint)
{
    detector.SetMinimumPause(260);
    drive.PassStart();
    drive.Steps(10, Ms26, Quiet); // 260 ms
    EXPECT_EQ(Analyse, drive.Steps(3, Ms26, Loud));
    // The search goes on: the next long enough pause counts.
    const std::uint32_t first = drive.last + 1;
    drive.Steps(11, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    detector.SetCutPosition(0);
    EXPECT_EQ(first, drive.SplitChunk());
}

TEST_F(DetectorTest, OneMillisecondMoreThanTheMinimumGivesASplitPoint)
{
    detector.SetMinimumPause(260);
    drive.PassStart();
    drive.Steps(9, Ms26, Quiet);
    drive.Step(270000, Quiet); // 261 ms in all
    drive.Steps(2, Ms26, Loud);
    EXPECT_EQ(Found, drive.Step(Ms26, Loud));
    const std::wstring expected = L"INFO: Split point found after 261 ms\n";
    EXPECT_EQ(expected, LogStore::Instance().Lines().back());
}

// --- When a pause ends ---

TEST_F(DetectorTest, TwoLoudChunksDoNotEndAPauseAndTheThirdDoes)
{
    detector.SetCutPosition(1);
    const std::uint32_t first = drive.PassStart();
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Analyse, drive.Steps(2, Ms26, Loud)); // 52 ms of sound
    drive.Step(Ms26, Quiet); // ...becomes part of the pause
    EXPECT_EQ(Analyse, drive.Steps(2, Ms26, Loud));
    EXPECT_EQ(Found, drive.Step(Ms26, Loud)); // 78 ms of sound
    EXPECT_EQ(L"INFO: Split point found after 338 ms\n", LogStore::Instance().Lines().back());
    EXPECT_EQ(first + 13, drive.SplitChunk()); // the first chunk of the run that ended the pause
}

TEST_F(DetectorTest, SixtyMillisecondsOfSoundDoNotEndAPauseButSixtyOneDo)
{
    drive.PassStart();
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Analyse, drive.Steps(2, 300000, Loud)); // 60 ms
    EXPECT_EQ(Found, drive.Step(10000, Loud)); // 61 ms
}

TEST_F(DetectorTest, LoudChunksWithoutAPauseChangeNothing)
{
    std::vector<std::pair<int, bool>> calls;
    detector.SetSignalCallback([&](std::uint8_t level, bool found) { calls.emplace_back(level, found); });
    detector.SetCutPosition(0);
    drive.PassStart();
    drive.Steps(100, Ms26, Loud);
    EXPECT_TRUE(calls.empty());
    const std::uint32_t first = drive.last + 1;
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(first, drive.SplitChunk());
    EXPECT_EQ(3u, calls.size());
}

TEST_F(DetectorTest, TheCallbackSeesEveryLoudChunkAfterAPauseWithItsLevelClamped)
{
    std::vector<std::pair<int, bool>> calls;
    detector.SetSignalCallback([&](std::uint8_t level, bool found) { calls.emplace_back(level, found); });
    drive.PassStart();
    drive.Steps(10, Ms26, Quiet);
    drive.Step(Ms26, 255);
    drive.Step(Ms26, 256);
    drive.Step(Ms26, 16384);
    const std::vector<std::pair<int, bool>> expected { { 255, false }, { 255, false }, { 255, true } };
    EXPECT_EQ(expected, calls);
}

TEST_F(DetectorTest, AChunkBelowTheThresholdIsQuietAndOneAtItIsLoud)
{
    detector.SetCutPosition(0);
    const std::uint32_t first = drive.PassStart();
    drive.Steps(10, Ms26, 49);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, 50));
    EXPECT_EQ(first, drive.SplitChunk());
}

TEST_F(DetectorTest, QuietChunksShorterThanAMillisecondDoNotShiftTheCut)
{
    detector.SetCutPosition(0);
    drive.PassStart();
    drive.Step(5000, Quiet); // 0 ms: no pause begins
    drive.Step(Ms26, Loud);
    const std::uint32_t first = drive.last + 1;
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(first, drive.SplitChunk());
}

// --- The first pause after a short target ---

TEST_F(DetectorTest, AStartOf59000MsPassesOverTheFirstPause)
{
    detector.SetAnalysisStart(59000);
    detector.SetCutPosition(0);
    drive.PassStart();
    drive.Steps(20, Ms26, Quiet);
    EXPECT_EQ(Analyse, drive.Steps(3, Ms26, Loud));
    const std::uint32_t second = drive.last + 1;
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(second, drive.SplitChunk());
}

TEST_F(DetectorTest, AStartOf59001MsCutsInTheFirstPause)
{
    detector.SetAnalysisStart(59001);
    detector.SetCutPosition(0);
    const std::uint32_t first = drive.PassStart();
    drive.Steps(20, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(first, drive.SplitChunk());
}

TEST_F(DetectorTest, EvenAShortFirstPauseIsPassedOverAfterAShortTarget)
{
    detector.SetAnalysisStart(1000);
    drive.PassStart();
    drive.Step(Ms26, Quiet);
    EXPECT_EQ(Analyse, drive.Steps(3, Ms26, Loud));
    drive.Steps(10, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
}

// --- Where inside the pause the cut goes ---

TEST_F(DetectorTest, CutPositionZeroStartsTheNextPartWithThePause)
{
    detector.SetCutPosition(0);
    const std::uint32_t first = TenChunkPause();
    EXPECT_EQ(first, drive.SplitChunk());
}

TEST_F(DetectorTest, TheDefaultCutPositionKeepsEightOfTenPauseChunks)
{
    const std::uint32_t first = TenChunkPause(); // 0.8 of 260 ms is 208 ms, eight chunks
    EXPECT_EQ(first + 8, drive.SplitChunk());
}

TEST_F(DetectorTest, CutPositionOneStartsTheNextPartWithTheSound)
{
    detector.SetCutPosition(1);
    const std::uint32_t first = TenChunkPause();
    EXPECT_EQ(first + 10, drive.SplitChunk());
}

TEST_F(DetectorTest, OutOfRangeCutPositionsAreIgnored)
{
    detector.SetCutPosition(0);
    detector.SetCutPosition(1.5f);
    detector.SetCutPosition(-0.1f);
    detector.SetCutPosition(std::nanf(""));
    detector.SetCutPosition(std::numeric_limits<float>::infinity());
    const std::uint32_t first = TenChunkPause();
    EXPECT_EQ(first, drive.SplitChunk());
}

// --- States and resets ---

TEST_F(DetectorTest, StepsInTheWrongStateReturnZeroAndRecordNothing)
{
    std::uint32_t index = 77;
    EXPECT_EQ(0, detector.ProcessAnalyseStep(Ms26, Loud, index));
    EXPECT_EQ(0, detector.GetSplitChunk(index));
    EXPECT_EQ(77u, index);
    EXPECT_EQ(0u, drive.ChunkCount());

    drive.PassStart();
    const std::uint32_t count = drive.ChunkCount();
    EXPECT_EQ(0, detector.ProcessIgnoreStep(Ms26, index));
    EXPECT_EQ(0, detector.GetSplitChunk(index));
    EXPECT_EQ(77u, index);
    EXPECT_EQ(count, drive.ChunkCount());

    drive.Steps(10, Ms26, Quiet);
    drive.Steps(3, Ms26, Loud);
    EXPECT_EQ(0, detector.ProcessAnalyseStep(Ms26, Loud, index));
    EXPECT_EQ(0, detector.ProcessIgnoreStep(Ms26, index));
    EXPECT_EQ(count + 13, drive.ChunkCount());
    EXPECT_EQ(Found, detector.GetState());
}

TEST_F(DetectorTest, ResetStartsOverAndKeepsTheSettings)
{
    detector.SetAnalysisStart(1000);
    detector.SetCutPosition(0);
    drive.PassStart();
    drive.Steps(3, Ms26, Quiet); // a first pause, passed over
    drive.Steps(3, Ms26, Loud);
    drive.Steps(10, Ms26, Quiet);
    ASSERT_EQ(Found, drive.Steps(3, Ms26, Loud));

    EXPECT_EQ(Ignore, detector.Reset());
    EXPECT_EQ(Ignore, detector.GetState());
    EXPECT_EQ(0u, drive.ChunkCount());

    // Same start, threshold, minimum, cut position, and the first pause is passed over again.
    EXPECT_EQ(Ignore, drive.Steps(38, Ms26));
    EXPECT_EQ(Analyse, drive.Step(Ms26));
    drive.Steps(3, Ms26, 49);
    EXPECT_EQ(Analyse, drive.Steps(3, Ms26, 50));
    drive.Steps(7, Ms26, Quiet);
    EXPECT_EQ(Analyse, drive.Steps(3, Ms26, Loud)); // 182 ms is not above 200
    const std::uint32_t first = drive.last + 1;
    drive.Steps(8, Ms26, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(first, drive.SplitChunk());
}

TEST_F(DetectorTest, EveryTwentyFifthChunkOfTheAnalysisIsLogged)
{
    drive.PassStart(); // analysis begins at chunk 2308
    drive.Steps(30, Ms26, 7);
    const auto lines = LogStore::Instance().Lines();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(L"INFO: Analysis: chu 2325  sig 7\n", lines[0]);
}

// --- Long runs ---

TEST_F(DetectorTest, AnEndlessPauseNeitherWrapsNorLosesItsCut)
{
    // 10001 chunks of the longest duration are more than 2^32 ms of pause; wrapped, the pause
    // would look shorter than the minimum and the cut walk would run past it.
    const std::uint32_t longest = std::numeric_limits<std::uint32_t>::max();
    detector.SetMinimumPause(500000);
    detector.SetCutPosition(1);
    ASSERT_EQ(Analyse, drive.Step(longest));
    const std::uint32_t first = drive.last + 1;
    drive.Steps(10001, longest, Quiet);
    EXPECT_EQ(Found, drive.Steps(3, Ms26, Loud));
    EXPECT_EQ(L"INFO: Split point found after 4294967295 ms\n", LogStore::Instance().Lines().back());
    EXPECT_EQ(first + 10001, drive.SplitChunk());
}

// --- The forwarding detector ---

TEST(AdaptiveDetectorTest, BehavesLikeTheStandardDetectorWithThresholdOne)
{
    CAdaptiveAudioProcessor adaptive;
    CAudioProcessor standard;
    std::vector<int> calls;
    adaptive.SetSignalCallback([&](std::uint8_t level, bool) { calls.push_back(level); });
    for (IAudioProcessorConfig* config :
        { static_cast<IAudioProcessorConfig*>(&adaptive), static_cast<IAudioProcessorConfig*>(&standard) }) {
        config->SetAnalysisStart(60000);
        config->SetMinimumPause(100);
        config->SetCutPosition(0.5f);
    }
    Driver a(adaptive), s(standard);
    a.PassStart();
    s.PassStart();
    // Level 0 is quiet and 1 is loud for both.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.Step(Ms26, 0), a.Step(Ms26, 0));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.Step(Ms26, 1), a.Step(Ms26, 1));
    ASSERT_EQ(Found, adaptive.GetState());
    EXPECT_EQ(s.SplitChunk(), a.SplitChunk());
    EXPECT_EQ(s.ChunkCount(), a.ChunkCount());
    EXPECT_EQ(std::vector<int>({ 1, 1, 1 }), calls);
    EXPECT_EQ(Ignore, adaptive.Reset());
    EXPECT_EQ(0u, a.ChunkCount());
}

} // namespace
