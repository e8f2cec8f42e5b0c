// Replays every saved fuzzing failure (tests/fuzz/regressions/<target>/) and the MP3 fixtures through
// the fuzz targets' own bodies, so that builds without libFuzzer keep them fixed.
#include "FuzzBodies.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using testing_support::DataPath;
using testing_support::ReadFileBytes;

namespace {

typedef void (*TBody)(const std::uint8_t*, std::size_t);

// The saved inputs of one target, in name order; dot files (placeholders) are not inputs.
std::vector<fs::path> RegressionInputs(const std::string& target)
{
    std::vector<fs::path> inputs;
    fs::path dir = fs::path(VELLOMAR_FUZZ_REGRESSION_DIR) / target;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<fs::path> Fixtures()
{
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(DataPath("")))) {
        std::string extension = entry.path().extension().string();
        if (extension == ".mp3" || extension == ".mp2")
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void Replay(TBody body, const std::vector<fs::path>& inputs)
{
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.string());
        std::vector<unsigned char> bytes = ReadFileBytes(input.string());
        // A body aborts on a broken invariant; reaching the next line is the pass.
        body(bytes.data(), bytes.size());
    }
}

} // namespace

TEST(FuzzRegressionTest, SavedParserFailuresParseToTheEnd)
{
    Replay(fuzz_bodies::ParseAll, RegressionInputs("parser"));
}

TEST(FuzzRegressionTest, SavedDecoderFailuresDecodeToTheEnd)
{
    Replay(fuzz_bodies::DecodeAll, RegressionInputs("decoder"));
}

TEST(FuzzRegressionTest, SavedSplitFailuresSplitCleanly)
{
    Replay(fuzz_bodies::SplitAll, RegressionInputs("split"));
}

TEST(FuzzRegressionTest, FixturesPassEveryBody)
{
    std::vector<fs::path> fixtures = Fixtures();
    ASSERT_FALSE(fixtures.empty());
    Replay(fuzz_bodies::ParseAll, fixtures);
    Replay(fuzz_bodies::DecodeAll, fixtures);
    Replay(fuzz_bodies::SplitAll, fixtures);
}

TEST(FuzzRegressionTest, EmptyAndTinyInputsPassEveryBody)
{
    const std::uint8_t bytes[] = { 0xFF, 0xFB, 0x90, 0x00 };
    for (std::size_t size = 0; size <= sizeof bytes; ++size) {
        fuzz_bodies::ParseAll(bytes, size);
        fuzz_bodies::DecodeAll(bytes, size);
        fuzz_bodies::SplitAll(bytes, size);
    }
}
