// The MP3 element parser on real encoder output and on frames built for the edge cases.
#include "engine/Mp3Parser.h"
#include "engine/LogStore.h"
#include "engine/StreamReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

namespace {

using Bytes = std::vector<unsigned char>;

// What a caller sees when it drives the parser to the end, and how many bytes each call consumed.
struct TRun {
    std::vector<unsigned> results;
    std::vector<uint32_t> audioSizes;
    std::size_t consumed = 0;
    unsigned audio = 0, info = 0, id3v1 = 0, id3v2 = 0, noSync = 0, invalid = 0;
    unsigned Last() const { return results.empty() ? 0 : results.back(); }
};

TRun Drive(std::istream& in, std::size_t fileSize)
{
    CMp3Parser parser(in);
    TRun run;
    CMp3Parser::TElement e;
    // Every call consumes at least one byte, so this bound is never reached by a sound parser.
    for (std::size_t calls = 0; calls < fileSize + 10; ++calls) {
        const unsigned r = parser.ReadNextElement(e);
        run.results.push_back(r);
        switch (r) {
        case CMp3Parser::EAudioFrame:
            ++run.audio;
            run.audioSizes.push_back(e.size);
            EXPECT_EQ(e.header->frameSize, e.size);
            break;
        case CMp3Parser::EVbrInfoFrame:
            ++run.info;
            break;
        case CMp3Parser::EId3v1Tag:
            ++run.id3v1;
            break;
        case CMp3Parser::EId3v2Tag:
            ++run.id3v2;
            break;
        case CMp3Parser::ENoSync:
            ++run.noSync;
            break;
        case CMp3Parser::EInvalidFrame: {
            ++run.invalid;
            // The next search starts 80 % into the rejected frame.
            const unsigned char* p = e.data;
            TMpegAudioHeader h;
            EXPECT_TRUE(ParseMpegAudioHeader(ReadBigEndian32(p), h));
            run.consumed += h.frameSize * 8 / 10;
            continue;
        }
        default:
            return run;
        }
        run.consumed += r == CMp3Parser::ENoSync ? 1 : e.size;
    }
    ADD_FAILURE() << "parser did not reach the end";
    return run;
}

TRun Drive(const Bytes& bytes)
{
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return Drive(in, bytes.size());
}

// One MPEG-1 Layer III frame, 128 kbit/s, 44.1 kHz, stereo: 417 bytes.
Bytes Frame(unsigned char fill = 0x55)
{
    Bytes f(417, fill);
    f[0] = 0xFF;
    f[1] = 0xFB;
    f[2] = 0x90;
    f[3] = 0x04;
    return f;
}

// MPEG-2 Layer III at 8 kbit/s and 24 kHz: the smallest frame there is, 24 bytes.
Bytes TinyFrame(bool mono)
{
    Bytes f(24, 0x11);
    f[0] = 0xFF;
    f[1] = 0xF3;
    f[2] = 0x14;
    f[3] = mono ? 0xC0 : 0x00;
    return f;
}

void Put(Bytes& b, std::size_t at, const std::string& s)
{
    std::copy(s.begin(), s.end(), b.begin() + at);
}

void Put32(Bytes& b, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class Mp3ParserTest : public ::testing::Test {
protected:
    void SetUp() override { LogStore::Instance().Clear(); }
    static bool Logged(const std::wstring& line)
    {
        const auto lines = LogStore::Instance().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

struct TFixture {
    std::string name;
    unsigned frames, audioBytes, info, id3v2, id3v1, unclaimed;
    std::size_t fileSize;
};

std::vector<TFixture> Fixtures()
{
    std::ifstream in(testing_support::DataPath("fixtures.txt"));
    std::vector<TFixture> all;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        TFixture f;
        fields >> f.name >> f.frames >> f.audioBytes >> f.info >> f.id3v2 >> f.id3v1 >> f.unclaimed
            >> f.fileSize;
        all.push_back(f);
    }
    return all;
}

TEST_F(Mp3ParserTest, EveryFixtureYieldsTheFramesAnIndependentReaderCountsAndAccountsForEveryByte)
{
    const auto fixtures = Fixtures();
    ASSERT_GE(fixtures.size(), 7u);
    for (const TFixture& f : fixtures) {
        SCOPED_TRACE(f.name);
        std::ifstream in(testing_support::DataPath(f.name), std::ios::binary);
        ASSERT_TRUE(in);
        const TRun run = Drive(in, f.fileSize);
        EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), run.Last());
        EXPECT_EQ(f.frames, run.audio);
        EXPECT_EQ(f.info, run.info);
        EXPECT_EQ(f.id3v2, run.id3v2);
        EXPECT_EQ(f.id3v1, run.id3v1);
        EXPECT_EQ(f.unclaimed, run.noSync); // the ID3v2.4 footer is skipped byte by byte
        EXPECT_EQ(0u, run.invalid);
        std::size_t audioBytes = 0;
        for (uint32_t s : run.audioSizes)
            audioBytes += s;
        EXPECT_EQ(f.audioBytes, audioBytes);
        EXPECT_EQ(f.fileSize, run.consumed);
    }
}

TEST_F(Mp3ParserTest, TagsAreElementsOfTheirStatedSize)
{
    Bytes tag(267, 0);
    Put(tag, 0, "ID3");
    tag[3] = 3;
    tag[8] = 0x02;
    tag[9] = 0x01;
    Bytes v1(128, ' ');
    Put(v1, 0, "TAG");
    const Bytes file = Join({ tag, Frame(), Frame(), v1 });

    std::istringstream in(std::string(file.begin(), file.end()));
    CMp3Parser parser(in);
    CMp3Parser::TElement e;
    ASSERT_EQ(unsigned(CMp3Parser::EId3v2Tag), parser.ReadNextElement(e));
    EXPECT_EQ(267u, e.size);
    EXPECT_EQ(nullptr, e.header);
    EXPECT_TRUE(Logged(L"INFO: ID3v2 tag (267 bytes)\n"));
    ASSERT_EQ(unsigned(CMp3Parser::EAudioFrame), parser.ReadNextElement(e));
    EXPECT_EQ(0xFF, e.data[0]);
    EXPECT_EQ(417u, e.size);
    ASSERT_EQ(unsigned(CMp3Parser::EAudioFrame), parser.ReadNextElement(e));
    ASSERT_EQ(unsigned(CMp3Parser::EId3v1Tag), parser.ReadNextElement(e));
    EXPECT_EQ(128u, e.size);
    EXPECT_EQ('T', e.data[0]);
    EXPECT_TRUE(Logged(L"INFO: ID3v1 tag (128 bytes)\n"));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), parser.ReadNextElement(e));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), parser.ReadNextElement(e));
}

TEST_F(Mp3ParserTest, TheLastFrameIsAcceptedWithoutAnythingAfterIt)
{
    const Bytes file = Join({ Frame(), Frame() });
    const TRun run = Drive(file);
    const std::vector<unsigned> expected
        = { CMp3Parser::EAudioFrame, CMp3Parser::EAudioFrame, CMp3Parser::EEndOfFile };
    EXPECT_EQ(expected, run.results);
    EXPECT_TRUE(Logged(L"INFO: MP3 parser: StreamReader::EEndOfFile\n"));
    EXPECT_EQ(file.size(), run.consumed);
}

TEST_F(Mp3ParserTest, TheLastFrameBeforeALyrics3TagIsAcceptedAndTheTagIsSkipped)
{
    // Lyrics3 v2: fields IND and LYR, the size of all before it, the end marker; then ID3v1.
    const std::string text = "LYRICSBEGININD0000210LYR00005Hello000034LYRICS200";
    const Bytes lyrics(text.begin(), text.end());
    Bytes v1(128, 0);
    Put(v1, 0, "TAG");
    const TRun run = Drive(Join({ Frame(), Frame(), lyrics, v1 }));
    EXPECT_EQ(2u, run.audio);
    EXPECT_EQ(0u, run.invalid);
    EXPECT_EQ(lyrics.size(), run.noSync);
    EXPECT_EQ(1u, run.id3v1);
}

TEST_F(Mp3ParserTest, AFrameNotFollowedByAnElementLosesSyncAndTheSearchResumesAt80Percent)
{
    Bytes junk(100, 0x00);
    const Bytes file = Join({ Frame(), junk, Frame(), Frame() });
    std::istringstream in(std::string(file.begin(), file.end()));
    CMp3Parser parser(in);
    CMp3Parser::TElement e;
    ASSERT_EQ(unsigned(CMp3Parser::EInvalidFrame), parser.ReadNextElement(e));
    EXPECT_TRUE(Logged(L"ERROR: Start of next frame not found. Lost sync.\n"));
    EXPECT_EQ(0xFF, e.data[0]);
    // 333 bytes on, then byte by byte through the rest of the frame and the junk.
    unsigned noSync = 0;
    unsigned r;
    while ((r = parser.ReadNextElement(e)) == CMp3Parser::ENoSync)
        ++noSync;
    EXPECT_EQ(unsigned(CMp3Parser::EAudioFrame), r);
    EXPECT_EQ(417u - 333u + 100u, noSync);
    EXPECT_EQ(unsigned(CMp3Parser::EAudioFrame), parser.ReadNextElement(e));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), parser.ReadNextElement(e));
}

TEST_F(Mp3ParserTest, OnlyTheFirstFrameCandidateIsExaminedForVbrInformation)
{
    Bytes xing = Frame();
    Put(xing, 36, "Xing");
    Put32(xing, 40, 0x0F);
    Put32(xing, 44, 1234);
    Put32(xing, 48, 567890);
    Put32(xing, 152, 57);
    EXPECT_EQ(unsigned(CMp3Parser::EVbrInfoFrame), Drive(Join({ xing, Frame() })).results.front());
    EXPECT_TRUE(Logged(L"INFO: IsXingFrame: Xing VBR frame found.\n"));
    EXPECT_TRUE(Logged(L"INFO: XING VBR frames: 1234\n"));
    EXPECT_TRUE(Logged(L"INFO: XING VBR bytes: 567890\n"));
    EXPECT_TRUE(Logged(L"INFO: XING VBR scale: 57\n"));

    Bytes info = Frame();
    Put(info, 36, "Info");
    EXPECT_EQ(unsigned(CMp3Parser::EVbrInfoFrame), Drive(Join({ info, Frame() })).results.front());
    const std::vector<unsigned> second
        = { CMp3Parser::EAudioFrame, CMp3Parser::EAudioFrame, CMp3Parser::EEndOfFile };
    EXPECT_EQ(second, Drive(Join({ Frame(), info })).results);
    // A false sync before the real first frame uses up the one examination.
    const TRun junkFirst = Drive(Join({ Bytes { 0xFF, 0xE0, 0x00 }, info, Frame() }));
    EXPECT_EQ(0u, junkFirst.info);
    EXPECT_EQ(2u, junkFirst.audio);
    EXPECT_TRUE(Logged(L"WARN: Mpeg audio header is invalid.\n"));

    // VBRI sits at byte 36 whatever the version: an MPEG-2 mono frame of 208 bytes.
    Bytes vbri(208, 0x22);
    vbri[0] = 0xFF;
    vbri[1] = 0xF3;
    vbri[2] = 0x80;
    vbri[3] = 0xC4;
    Put(vbri, 36, "VBRI");
    Put32(vbri, 46, 99999);
    Put32(vbri, 50, 321);
    LogStore::Instance().Clear();
    EXPECT_EQ(unsigned(CMp3Parser::EVbrInfoFrame), Drive(Join({ vbri, vbri })).results.front());
    EXPECT_TRUE(Logged(L"INFO: IsVBRIFrame: VBRI frame found.\n"));
    EXPECT_TRUE(Logged(L"INFO: VBRI bytes: 99999\n"));
    EXPECT_TRUE(Logged(L"INFO: VBRI frames: 321\n"));
}

TEST_F(Mp3ParserTest, VbrChecksNeverReadPastAShortFrame)
{
    // Mono: the tag at 13 and its flags fit into 24 bytes, the announced frame count does not.
    // The bytes after the frame are another header, which must not show up as a count.
    Bytes xing = TinyFrame(true);
    Put(xing, 13, "Xing");
    Put32(xing, 17, 0x0F);
    const TRun mono = Drive(Join({ xing, TinyFrame(true), TinyFrame(true) }));
    EXPECT_EQ(1u, mono.info);
    EXPECT_TRUE(Logged(L"INFO: IsXingFrame: Xing VBR frame found.\n"));
    for (const auto& line : LogStore::Instance().Lines())
        EXPECT_EQ(std::wstring::npos, line.find(L"XING VBR")) << std::string(line.begin(), line.end());

    // Stereo: the tag would lie at 21, with no room for it and its flags in 24 bytes. The file
    // ends in two more bytes, too few for another element, so the frame is still the last one;
    // a check that read on past it would find "Xing" there.
    Bytes shortTag = TinyFrame(false);
    Put(shortTag, 21, "Xin");
    const TRun last = Drive(Join({ shortTag, Bytes { 'g', 0x00 } }));
    EXPECT_EQ(0u, last.info);
    EXPECT_EQ(1u, last.audio);

    // VBRI would need 54 bytes; a 24-byte frame holding the start of it is no VBRI frame.
    Bytes vbri = Join({ TinyFrame(true), TinyFrame(true) });
    Put(vbri, 36, "VBRI");
    LogStore::Instance().Clear();
    const TRun v = Drive(Join({ TinyFrame(true), vbri }));
    EXPECT_EQ(0u, v.info);
    EXPECT_FALSE(Logged(L"INFO: IsVBRIFrame: VBRI frame found.\n"));

    EXPECT_FALSE(CMp3Parser::IsVbrInfoFrame(xing.data(), 3));

    // The same checks on frames held in buffers of exactly their size (a sanitizer build catches
    // any read beyond them).
    const auto exact = [](const Bytes& frame) {
        std::unique_ptr<unsigned char[]> copy(new unsigned char[frame.size()]);
        std::copy(frame.begin(), frame.end(), copy.get());
        return CMp3Parser::IsVbrInfoFrame(copy.get(), static_cast<uint32_t>(frame.size()));
    };
    EXPECT_TRUE(exact(xing));
    EXPECT_FALSE(exact(shortTag));
    Bytes vbriStart(40, 0);
    Put(vbriStart, 36, "VBRI");
    EXPECT_FALSE(exact(vbriStart));
}

TEST_F(Mp3ParserTest, FreeFormatFramesAreSkippedAsNoSync)
{
    Bytes free = Frame();
    free[2] = 0x00;
    const TRun run = Drive(Join({ free, Frame() }));
    EXPECT_EQ(unsigned(CMp3Parser::ENoSync), run.results.front());
    EXPECT_TRUE(Logged(L"ERROR: Free bitrates are not supported (frame size unknown).\n"));
    EXPECT_EQ(1u, run.audio);
}

TEST_F(Mp3ParserTest, BadInputEndsCleanlyWithoutCrashOrHang)
{
    const Bytes good = testing_support::ReadFileBytes(testing_support::DataPath("cbr-stereo-44k.mp3"));
    ASSERT_FALSE(good.empty());

    // Junk in front: skipped byte by byte, the Info frame then counts as audio.
    const Bytes junk = Join({ Bytes { 0xFF, 0xE0, 0x00, 'x', 0x00, 0xFF }, good });
    const TRun withJunk = Drive(junk);
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), withJunk.Last());
    EXPECT_EQ(junk.size(), withJunk.consumed);
    EXPECT_EQ(Drive(good).audio + 1, withJunk.audio);

    // A truncated last frame is reported and not returned.
    LogStore::Instance().Clear();
    const Bytes cut(good.begin(), good.end() - 100);
    const TRun truncated = Drive(cut);
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), truncated.Last());
    EXPECT_EQ(Drive(good).audio - 1, truncated.audio);
    EXPECT_TRUE(Logged(L"ERROR: Could not read frame data.\n"));

    // A tag that claims far more than the file holds.
    Bytes huge = { 'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F };
    huge.resize(500, 0);
    LogStore::Instance().Clear();
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), Drive(huge).Last());
    EXPECT_TRUE(Logged(L"INFO: ID3v2 tag (268435465 bytes)\n"));
    EXPECT_TRUE(Logged(L"ERROR: Could not read ID3v2 tag data.\n"));

    // Cut inside an ID3v2 header, an ID3v1 tag and a frame header.
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), Drive(Bytes { 'I', 'D', '3', 4, 0 }).Last());
    EXPECT_TRUE(Logged(L"ERROR: Could not read ID3v2 header.\n"));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), Drive(Bytes { 'T', 'A', 'G', 'x' }).Last());
    EXPECT_TRUE(Logged(L"ERROR: Could not read ID3v1 tag data.\n"));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), Drive(Bytes { 0xFF, 0xFB, 0x90 }).Last());
    EXPECT_TRUE(Logged(L"ERROR: Could not read Mpeg audio header.\n"));

    // Empty and random input.
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), Drive(Bytes()).Last());
    std::mt19937 random(20240611);
    for (int round = 0; round < 4; ++round) {
        Bytes noise(50000);
        for (auto& b : noise)
            b = static_cast<unsigned char>(random());
        // Sprinkle frame syncs and markers so that every path gets exercised.
        for (std::size_t i = 0; i + 3 < noise.size(); i += 997) {
            noise[i] = 0xFF;
            noise[i + 1] = static_cast<unsigned char>(0xE0 | random());
        }
        Put(noise, 30001, "ID3");
        Put(noise, 40001, "TAG");
        const TRun run = Drive(noise);
        EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), run.Last());
        EXPECT_LE(run.consumed, noise.size());
    }
}

TEST_F(Mp3ParserTest, ReaderResultsAreTranslatedAndLogged)
{
    EXPECT_EQ(0u, CMp3Parser::TranslateReaderError(StreamReader::EOk));
    EXPECT_TRUE(LogStore::Instance().Lines().empty());
    EXPECT_EQ(unsigned(CMp3Parser::EReadError), CMp3Parser::TranslateReaderError(StreamReader::EReadError));
    EXPECT_EQ(unsigned(CMp3Parser::EEndOfFile), CMp3Parser::TranslateReaderError(StreamReader::EEndOfFile));
    EXPECT_EQ(unsigned(CMp3Parser::EReadError), CMp3Parser::TranslateReaderError(7));
    const std::vector<std::wstring> expected = {
        L"ERROR: MP3 parser: StreamReader::EReadError\n",
        L"INFO: MP3 parser: StreamReader::EEndOfFile\n",
        L"ERROR: MP3 parser: Error code 7\n",
    };
    EXPECT_EQ(expected, LogStore::Instance().Lines());
}

TEST_F(Mp3ParserTest, MarkerTestsAreExact)
{
    const unsigned char sync[] = { 0xFF, 0xE0, 0 }, notSync[] = { 0xFF, 0xD0, 0 }, id3[] = "ID3",
                        tag[] = "TAG", lower[] = "tag";
    EXPECT_TRUE(CMp3Parser::IsFrameSync(sync));
    EXPECT_FALSE(CMp3Parser::IsFrameSync(notSync));
    EXPECT_TRUE(CMp3Parser::IsId3v2Marker(id3));
    EXPECT_TRUE(CMp3Parser::IsId3v1Marker(tag));
    EXPECT_FALSE(CMp3Parser::IsId3v1Marker(lower));
    EXPECT_FALSE(CMp3Parser::IsId3v2Marker(tag));
}

} // namespace
