// Natural order of file names ("Track 9" before "Track 10"), used to sort dropped and chosen files.
#pragma once

#include <cstddef>
#include <locale>
#include <string>

class wxString;

// Strict "less" over wide strings that compares runs of digits by their numeric value and other
// text by the locale's collation. Leading zeros do not count; a number sorts before text.
class NumericalLess {
public:
    // Keeps a copy of the locale whose digit classification and collation are used.
    explicit NumericalLess(const std::locale& locale);

    // True when a sorts strictly before b.
    bool operator()(const std::wstring& a, const std::wstring& b) const;

private:
    // A maximal run of digits or of non-digits inside one of the compared strings.
    struct TToken {
        std::size_t start = 0;
        std::size_t length = 0;
        bool digits = false;
    };

    // Splits a string into tokens from left to right.
    class CTokenizer {
    public:
        CTokenizer(const NumericalLess& owner, const std::wstring& text);
        // The next token; false when the string is used up.
        bool NextToken(TToken& token);

    private:
        const NumericalLess& owner;
        const std::wstring& text;
        std::size_t position = 0;
    };

    bool IsDigit(wchar_t c) const;
    bool CollateLess(const std::wstring& x, const std::wstring& y) const;
    bool TokenLess(
        const std::wstring& xText, const TToken& x, const std::wstring& yText, const TToken& y) const;
    static std::wstring PadLeftWithZeros(const std::wstring& digits, std::size_t length);

    std::locale locale;
};

// Sort callback for wxArrayString::Sort: -1, 0 or 1 in natural order under the global locale.
int NumericalStringCompare(wxString* first, wxString* second);
