// The part writer's byte layouts: ID3v2.3 and ID3v1.1 tags, the Xing frame and the frame CRC.
#include "engine/Id3TagInfo.h"
#include "engine/Id3v2Frames.h"
#include "engine/LogStore.h"
#include "engine/Mp3FileSplitter.h"
#include "engine/MpegAudioHeader.h"
#include "engine/MpegFrameCrc.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

using namespace testing_support;

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes BytesOf(const std::ostringstream& out)
{
    const std::string s = out.str();
    return Bytes(s.begin(), s.end());
}

Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Id3v23(const std::wstring& title, const std::wstring& artist, const std::wstring& album,
    const std::wstring& genre, const std::wstring& comment, const std::wstring& track)
{
    std::ostringstream out;
    CMp3FileSplitter::WriteId3v23Tag(out, title, artist, album, genre, comment, track);
    return BytesOf(out);
}

std::uint32_t Be32(const Bytes& b, std::size_t at)
{
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8)
        | b[at + 3];
}

} // namespace

TEST(TagSettings, AskForTheTagsOfTheirVersionOnlyWhenTagsAreOn)
{
    TId3TagInfo info;
    EXPECT_FALSE(info.WantsId3v1Tag());
    EXPECT_FALSE(info.WantsId3v2Tag());
    info.createTag = true;
    info.version = 0;
    EXPECT_TRUE(info.WantsId3v1Tag());
    EXPECT_FALSE(info.WantsId3v2Tag());
    info.version = 1;
    EXPECT_FALSE(info.WantsId3v1Tag());
    EXPECT_TRUE(info.WantsId3v2Tag());
    info.version = 2;
    EXPECT_TRUE(info.WantsId3v1Tag());
    EXPECT_TRUE(info.WantsId3v2Tag());
    info.version = 3;
    EXPECT_FALSE(info.WantsId3v1Tag() || info.WantsId3v2Tag());
}

TEST(Id3v23Tag, WithOnlyGenreAndTrackHoldsTconTrckAndPadding)
{
    const Bytes tag = Id3v23(L"", L"", L"", L"", L"", L"256");
    // TCON: 00 "(101)" 00 (7 bytes); TRCK: 01 FF FE "256" in UTF-16LE 00 00 (11 bytes).
    const std::size_t frames = (10 + 7) + (10 + 11);
    ASSERT_EQ(10 + frames + 200, tag.size());
    EXPECT_EQ(Text("ID3"), Bytes(tag.begin(), tag.begin() + 3));
    EXPECT_EQ((Bytes { 3, 0, 0 }), Bytes(tag.begin() + 3, tag.begin() + 6));
    const std::size_t size = frames + 200; // 238 = 0x01 0x6E as synchsafe bytes
    EXPECT_EQ(
        (Bytes { 0, 0, static_cast<unsigned char>(size >> 7), static_cast<unsigned char>(size & 0x7F) }),
        Bytes(tag.begin() + 6, tag.begin() + 10));
    const Bytes tcon = { 'T', 'C', 'O', 'N', 0, 0, 0, 7, 0, 0, 0, '(', '1', '0', '1', ')', 0 };
    EXPECT_EQ(tcon, Bytes(tag.begin() + 10, tag.begin() + 27));
    const Bytes trck = { 'T', 'R', 'C', 'K', 0, 0, 0, 11, 0, 0, 1, 0xFF, 0xFE, '2', 0, '5', 0, '6', 0, 0, 0 };
    EXPECT_EQ(trck, Bytes(tag.begin() + 27, tag.begin() + 48));
    EXPECT_EQ(Bytes(200, 0), Bytes(tag.begin() + 48, tag.end()));
}

TEST(Id3v23Tag, WritesItsFramesInOrderAsUtf16)
{
    const Bytes tag = Id3v23(L"T\u0141", L"A", L"B", L"G", L"C", L"1");
    std::size_t at = 10;
    for (const char* id : { "TIT2", "TPE1", "TALB", "COMM", "TCON", "TRCK" }) {
        ASSERT_LT(at + 10, tag.size());
        EXPECT_EQ(Text(id), Bytes(tag.begin() + at, tag.begin() + at + 4));
        at += 10 + Be32(tag, at + 4);
    }
    // Title: 01 FF FE 'T' 00 41 01 00 00 (U+0141 little-endian).
    EXPECT_EQ((Bytes { 1, 0xFF, 0xFE, 'T', 0, 0x41, 0x01, 0, 0 }), Bytes(tag.begin() + 20, tag.begin() + 29));
    // Comment: 01, language of three blanks, an empty description and the text, each with its mark.
    const std::size_t comm = 10 + (10 + 9) + (10 + 7) + (10 + 7);
    EXPECT_EQ(14u, Be32(tag, comm + 4));
    EXPECT_EQ((Bytes { 1, ' ', ' ', ' ', 0xFF, 0xFE, 0, 0, 0xFF, 0xFE, 'C', 0, 0, 0 }),
        Bytes(tag.begin() + comm + 10, tag.begin() + comm + 24));
}

TEST(Id3v23Tag, ATooLargeFrameWritesNoTagAtAll)
{
    LogStore::Instance().Clear();
    const std::wstring huge(MaxId3v2FramePayload / 2, L'x');
    EXPECT_TRUE(Id3v23(L"t", L"a", L"b", L"", huge, L"1").empty());
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(L"ERROR: WriteId3v23Tag: Error while creating comment frame\n", lines.back());
}

TEST(Id3v2Frame, RejectsAnIdThatIsNotFourCharacters)
{
    Bytes buffer;
    EXPECT_FALSE(WriteId3v2Frame(buffer, "TIT", Bytes()));
    EXPECT_TRUE(buffer.empty());
}

TEST(Id3v2Frame, EncodesCharactersBeyondTheBasicPlaneAsSurrogatePairs)
{
    Bytes buffer;
    WriteUtf16String(buffer, L"\U0001F600");
    EXPECT_EQ((Bytes { 0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 0, 0 }), buffer);
}

TEST(Id3v1Tag, HoldsLatin1FieldsTrackAndGenre101)
{
    std::ostringstream out;
    CMp3FileSplitter::WriteId3v1Tag(out, std::wstring(40, L'a'), L"Art\u00e4", L"Alb", L"Comment", 0);
    const Bytes tag = BytesOf(out);
    ASSERT_EQ(128u, tag.size());
    EXPECT_EQ(Text("TAG"), Bytes(tag.begin(), tag.begin() + 3));
    EXPECT_EQ(Bytes(30, 'a'), Bytes(tag.begin() + 3, tag.begin() + 33));
    EXPECT_EQ((Bytes { 'A', 'r', 't', 0xE4, 0 }), Bytes(tag.begin() + 33, tag.begin() + 38));
    EXPECT_EQ(Bytes(4, 0), Bytes(tag.begin() + 93, tag.begin() + 97));
    EXPECT_EQ(0, tag[125]);
    EXPECT_EQ(0, tag[126]); // part 256 modulo 256
    EXPECT_EQ(101, tag[127]);
}

TEST(XingFrame, ARaisedBitrateMakesRoomInATooSmallFrame)
{
    // MPEG-1 Layer III, 32 kbit/s, 44100 Hz, stereo, no CRC: 104 bytes, too small for 152.
    std::ostringstream out;
    CMp3FileSplitter::WriteVBRFRame(out, 10, 1000, 0xFFFB1000);
    const Bytes frame = BytesOf(out);
    ASSERT_EQ(156u, frame.size()); // 48 kbit/s
    EXPECT_EQ(0xFFFB3000u, Be32(frame, 0)); // index 3; 40 kbit/s (130 bytes) is not enough
    EXPECT_EQ(Text("Xing"), Bytes(frame.begin() + 36, frame.begin() + 40));
    EXPECT_EQ(7u, Be32(frame, 40));
    EXPECT_EQ(10u, Be32(frame, 44));
    EXPECT_EQ(1156u, Be32(frame, 48));
    EXPECT_EQ(0, frame[52]);
    EXPECT_EQ(2, frame[53]);
    EXPECT_EQ(252, frame[52 + 99]);
}

TEST(XingFrame, SitsAfterTheSideInformationOfMonoMpeg2)
{
    std::ostringstream out;
    CMp3FileSplitter::WriteVBRFRame(out, 1, 2, 0xFFF3A0C0); // MPEG-2, 96 kbit/s, 22050 Hz, mono
    const Bytes frame = BytesOf(out);
    ASSERT_FALSE(frame.empty());
    EXPECT_EQ(Text("Xing"), Bytes(frame.begin() + 13, frame.begin() + 17));
}

TEST(XingFrame, AnInvalidHeaderGivesNoFrameAndAWarning)
{
    LogStore::Instance().Clear();
    std::ostringstream out;
    CMp3FileSplitter::WriteVBRFRame(out, 1, 1, 0x12345678);
    EXPECT_TRUE(out.str().empty());
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(L"WARN: WriteVBRFRame: Mpeg audio header is invalid\n", lines.back());
}

TEST(XingFrame, ALayerIIHeaderLosesItsCrcALayerIIIHeaderKeepsIt)
{
    std::ostringstream layer2, layer3;
    CMp3FileSplitter::WriteVBRFRame(layer2, 1, 1, 0xFFFC9000); // MPEG-1 Layer II with CRC, 128 kbit/s
    CMp3FileSplitter::WriteVBRFRame(layer3, 1, 1, 0xFFFA9000); // MPEG-1 Layer III with CRC
    const Bytes two = BytesOf(layer2), three = BytesOf(layer3);
    ASSERT_FALSE(two.empty());
    ASSERT_FALSE(three.empty());
    EXPECT_EQ(0xFFFD9000u, Be32(two, 0));
    EXPECT_EQ(0xFFFA9000u, Be32(three, 0));
    Bytes check = three;
    ComputeMpegFrameCrc(check, 32);
    EXPECT_EQ(three, check);
    EXPECT_NE(0, three[4] | three[5]);
}

TEST(FrameCrc, MatchesTheCrcThatLameWroteIntoEveryFrame)
{
    const Bytes file = ReadFileBytes(DataPath("split/cbr-mpeg2-crc.mp3"));
    std::size_t at = 0, checked = 0;
    while (at + 4 <= file.size()) {
        const std::uint32_t header = Be32(file, at);
        TMpegAudioHeader h;
        if (!ParseMpegAudioHeader(header, h) || at + h.frameSize > file.size())
            break;
        ASSERT_EQ(0u, header & 0x10000u) << "lame -p protects every frame";
        Bytes frame(file.begin() + at, file.begin() + at + h.frameSize);
        const Bytes original = frame;
        ComputeMpegFrameCrc(frame, GetMpegSideInfoSize(header));
        if (checked > 0) { // the first frame is lame's Info frame
            ASSERT_EQ(original, frame) << "frame at byte " << at;
        }
        ++checked;
        at += h.frameSize;
    }
    EXPECT_GT(checked, 100u);
}

TEST(FrameCrc, LeavesAFrameTooShortForItsSideInformationAlone)
{
    Bytes frame = { 0xFF, 0xFA, 0x90, 0x64, 0xAA, 0xBB, 1, 2 };
    ComputeMpegFrameCrc(frame, 32);
    EXPECT_EQ(0xAA, frame[4]);
    EXPECT_EQ(0xBB, frame[5]);
}
