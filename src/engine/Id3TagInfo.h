// Tag settings of a split run: which ID3 tags the parts get and the texts that go into them.
#pragma once

#include <string>

// Plain, copyable record; filled by the ID3 tag page and copied into every splitter.
struct TId3TagInfo {
    // Tag versions: ID3v1.1 only, ID3v2.3 only, or both.
    enum { EId3v1 = 0, EId3v2 = 1, EId3v1AndV2 = 2 };

    bool createTag = false; // write tags at all
    bool trackNumberFirst = false; // part number before the base name and before the title
    unsigned trackDigits = 1; // minimum width of the part number, zero-padded (1 = no padding)
    int version = EId3v2; // 0, 1 or 2 as above
    std::wstring title; // empty: the padded part number alone
    std::wstring album;
    std::wstring genre; // ID3v2.3 only; empty: genre "(101)"
    std::wstring artist;
    std::wstring comment;

    // True when tags are on and the version asks for an ID3v1.1 tag (version 0 or 2).
    bool WantsId3v1Tag() const;
    // True when tags are on and the version asks for an ID3v2.3 tag (version 1 or 2).
    bool WantsId3v2Tag() const;
};
