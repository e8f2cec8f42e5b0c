// Helpers shared by the tests: fixture paths, scratch directories and whole-file reads.
#include "support/TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace testing_support {

std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("VELLOMAR_TEST_DATA_DIR");
    return std::string(dir ? dir : VELLOMAR_TEST_DATA_DIR) + "/" + name;
}

std::vector<unsigned char> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

TempDir::TempDir(const std::string& prefix)
{
    std::string pattern = std::string(VELLOMAR_TEST_OUTPUT_DIR) + "/" + prefix + "-XXXXXX";
    std::filesystem::create_directories(VELLOMAR_TEST_OUTPUT_DIR);
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("cannot create a scratch directory under " + pattern);
    path = buffer.data();
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(
        path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

} // namespace testing_support
