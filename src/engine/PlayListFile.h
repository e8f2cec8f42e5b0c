// The M3U playlist of one audiobook's parts, written when its last owner lets go of it.
#pragma once

#include <boost/noncopyable.hpp>
#include <list>
#include <string>

class wxString;

// Collects bare part file names and writes them, one per line, as an ISO-8859-1 file with LF line
// ends. Used by one thread at a time; it has no locking of its own.
class CPlayListFile : private boost::noncopyable {
public:
    // directory ends with a path separator; name is the base name without ".m3u".
    CPlayListFile(const std::wstring& directory, const std::wstring& name);
    // Writes the file (see Write).
    ~CPlayListFile();

    // Appends one entry at the end of the playlist.
    void AddFile(const wxString& fileName);

    // Writes directory + name + ".m3u", replacing an existing file. An unopenable path or a write
    // error is silent: the split's outcome does not depend on the playlist. An entry that cannot be
    // written as one plain ISO-8859-1 line is written as the part's absolute "file://" URL instead.
    void Write();

private:
    std::list<wxString> files;
    std::wstring directory;
    std::wstring name;
};
