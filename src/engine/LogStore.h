// The bounded in-memory list of the most recent log lines, shared by every thread.
#pragma once

#include <boost/noncopyable.hpp>
#include <boost/thread/mutex.hpp>
#include <deque>
#include <string>
#include <vector>

class LogStore : private boost::noncopyable {
public:
    // Most lines kept between two appends; the 201st drops the oldest TrimCount at once.
    static const std::size_t MaxLines = 200;
    static const std::size_t TrimCount = 100;

    // The one store of the process; it exists before the first log call.
    static LogStore& Instance();

    // Appends a finished line (prefix and LF included) and trims the store.
    void Append(const std::wstring& line);
    // Drops the oldest TrimCount lines if more than MaxLines are held.
    void Trim();
    // A copy of the lines, oldest first.
    std::vector<std::wstring> Lines() const;
    // Removes every line.
    void Clear();
    std::size_t Size() const;

private:
    LogStore() = default;
    void TrimLocked();

    mutable boost::mutex mutex;
    std::deque<std::wstring> lines;
};
