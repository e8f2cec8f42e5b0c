// The bounded in-memory list of the most recent log lines, shared by every thread.
#include "engine/LogStore.h"

LogStore& LogStore::Instance()
{
    // Function-local static: constructed on first use, so logging from static initialisers works.
    static LogStore store;
    return store;
}

void LogStore::Append(const std::wstring& line)
{
    boost::mutex::scoped_lock lock(mutex);
    lines.push_back(line);
    TrimLocked();
}

void LogStore::Trim()
{
    boost::mutex::scoped_lock lock(mutex);
    TrimLocked();
}

void LogStore::TrimLocked()
{
    if (lines.size() > MaxLines)
        lines.erase(lines.begin(), lines.begin() + TrimCount);
}

std::vector<std::wstring> LogStore::Lines() const
{
    boost::mutex::scoped_lock lock(mutex);
    return std::vector<std::wstring>(lines.begin(), lines.end());
}

void LogStore::Clear()
{
    boost::mutex::scoped_lock lock(mutex);
    lines.clear();
}

std::size_t LogStore::Size() const
{
    boost::mutex::scoped_lock lock(mutex);
    return lines.size();
}
