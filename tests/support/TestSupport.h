// Helpers shared by the tests: fixture paths, scratch directories and whole-file reads.
#pragma once

#include <boost/noncopyable.hpp>
#include <string>
#include <vector>

namespace testing_support {

// Path of a file under tests/data.
std::string DataPath(const std::string& name);

// Every byte of a file; empty when it cannot be read.
std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// A fresh directory under the build's test output, removed with everything in it on destruction.
class TempDir : private boost::noncopyable {
public:
    explicit TempDir(const std::string& prefix = "tmp");
    ~TempDir();
    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

} // namespace testing_support
