// Natural order of file names: digit runs compare by value, text by collation.
#include "ui/NumericalLess.h"

#include "engine/Log.h"

#include <algorithm>
#include <boost/format.hpp>
#include <wx/string.h>

NumericalLess::NumericalLess(const std::locale& locale)
    : locale(locale)
{
}

NumericalLess::CTokenizer::CTokenizer(const NumericalLess& owner, const std::wstring& text)
    : owner(owner)
    , text(text)
{
}

bool NumericalLess::CTokenizer::NextToken(TToken& token)
{
    if (position >= text.size())
        return false;
    token.start = position;
    token.digits = owner.IsDigit(text[position]);
    while (position < text.size() && owner.IsDigit(text[position]) == token.digits)
        ++position;
    token.length = position - token.start;
    return true;
}

bool NumericalLess::IsDigit(wchar_t c) const
{
    return std::use_facet<std::ctype<wchar_t>>(locale).is(std::ctype_base::digit, c);
}

bool NumericalLess::CollateLess(const std::wstring& x, const std::wstring& y) const
{
    const std::collate<wchar_t>& collate = std::use_facet<std::collate<wchar_t>>(locale);
    return collate.compare(x.data(), x.data() + x.size(), y.data(), y.data() + y.size()) < 0;
}

std::wstring NumericalLess::PadLeftWithZeros(const std::wstring& digits, std::size_t length)
{
    if (digits.size() >= length)
        return digits;
    return std::wstring(length - digits.size(), L'0') + digits;
}

bool NumericalLess::TokenLess(
    const std::wstring& xText, const TToken& x, const std::wstring& yText, const TToken& y) const
{
    const std::wstring xs = xText.substr(x.start, x.length);
    const std::wstring ys = yText.substr(y.start, y.length);
    if (x.digits && y.digits) {
        const std::size_t width = std::max(xs.size(), ys.size());
        return CollateLess(PadLeftWithZeros(xs, width), PadLeftWithZeros(ys, width));
    }
    if (x.digits != y.digits)
        return x.digits;
    return CollateLess(xs, ys);
}

bool NumericalLess::operator()(const std::wstring& aWhole, const std::wstring& bWhole) const
{
    // Drop the longest shared tail that begins with a non-digit ("a12b" / "c2b" compare as "a12" /
    // "c2"); shared digits in front of it may be the low digits of numbers that still differ.
    std::size_t cut = 0;
    for (std::size_t k = 1; k <= aWhole.size() && k <= bWhole.size(); ++k) {
        const wchar_t c = aWhole[aWhole.size() - k];
        if (c != bWhole[bWhole.size() - k])
            break;
        if (!IsDigit(c))
            cut = k;
    }
    const std::wstring a = aWhole.substr(0, aWhole.size() - cut);
    const std::wstring b = bWhole.substr(0, bWhole.size() - cut);

    CTokenizer aTokens(*this, a);
    CTokenizer bTokens(*this, b);
    TToken aHeld, bHeld;
    bool aHasHeld = false, bHasHeld = false;
    for (;;) {
        TToken x, y;
        bool aHas = aHasHeld, bHas = bHasHeld;
        if (aHasHeld) {
            x = aHeld;
            aHasHeld = false;
        } else {
            aHas = aTokens.NextToken(x);
        }
        if (bHasHeld) {
            y = bHeld;
            bHasHeld = false;
        } else {
            bHas = bTokens.NextToken(y);
        }
        if (!aHas)
            return bHas;
        if (!bHas)
            return false;
        if (x.digits != y.digits)
            return x.digits;
        // Text runs of different length: compare the common length, keep the rest for the next
        // round, so "ab" + "10" against "abc" compares "ab" first.
        if (!x.digits && x.length != y.length) {
            if (x.length > y.length) {
                aHeld = TToken { x.start + y.length, x.length - y.length, false };
                aHasHeld = true;
                x.length = y.length;
            } else {
                bHeld = TToken { y.start + x.length, y.length - x.length, false };
                bHasHeld = true;
                y.length = x.length;
            }
        }
        if (TokenLess(a, x, b, y))
            return true;
        if (TokenLess(b, y, a, x))
            return false;
    }
}

int NumericalStringCompare(wxString* first, wxString* second)
{
    const NumericalLess less { std::locale() };
    const std::wstring a = first->ToStdWstring();
    const std::wstring b = second->ToStdWstring();
    if (less(a, b)) {
        Trace((boost::wformat(L"NumericalStringCompare: %s < %s") % a % b).str());
        return -1;
    }
    if (less(b, a)) {
        Trace((boost::wformat(L"NumericalStringCompare: %s > %s") % a % b).str());
        return 1;
    }
    Trace((boost::wformat(L"NumericalStringCompare: %s == %s") % a % b).str());
    return 0;
}
