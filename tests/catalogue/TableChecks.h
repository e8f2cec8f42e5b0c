// Checks shared by the catalogue's table tests: id sets, placeholder sequences and help-page markup.
#pragma once

#include "catalogue/Tables.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace table_checks {

typedef void (*TFill)(loc::TStringTable&);

inline loc::TStringTable TableOf(TFill fill)
{
    loc::TStringTable table;
    fill(table);
    return table;
}

inline std::set<int> IdsOf(TFill fill)
{
    std::set<int> ids;
    for (const auto& entry : TableOf(fill))
        ids.insert(entry.first);
    return ids;
}

// The ids first..last, both included.
inline std::set<int> IdRange(int first, int last)
{
    std::set<int> ids;
    for (int id = first; id <= last; ++id)
        ids.insert(id);
    return ids;
}

// A union of inclusive ranges: Ids({{14, 19}, {36, 36}}).
inline std::set<int> Ids(std::initializer_list<std::pair<int, int>> ranges)
{
    std::set<int> ids;
    for (const auto& range : ranges)
        for (int id = range.first; id <= range.second; ++id)
            ids.insert(id);
    return ids;
}

// Every id that the English table defines (140 of them).
inline std::set<int> EnglishIds()
{
    return Ids({ { 5, 34 }, { 36, 62 }, { 67, 80 }, { 82, 84 }, { 87, 87 }, { 90, 154 } });
}

inline std::set<int> Minus(const std::set<int>& a, const std::set<int>& b)
{
    std::set<int> result;
    for (int id : a)
        if (!b.count(id))
            result.insert(id);
    return result;
}

// The English ids that a table leaves out.
inline std::set<int> MissingIds(TFill fill)
{
    return Minus(EnglishIds(), IdsOf(fill));
}

inline std::string Utf8(const std::wstring& s)
{
    return std::string(wxString(s).utf8_str());
}

inline std::string Describe(const std::set<int>& ids)
{
    std::ostringstream out;
    for (int id : ids)
        out << id << ' ';
    return out.str();
}

// The printf conversions of a text in order ("%s", "%d", ...); "%%" is a literal percent sign.
inline std::vector<std::wstring> Placeholders(const wxString& text)
{
    const std::wstring s = text.ToStdWstring();
    std::vector<std::wstring> result;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != L'%')
            continue;
        if (i + 1 < s.size() && s[i + 1] == L'%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < s.size() && std::wcschr(L"-+ #0123456789.lhzjtL", s[j]))
            ++j;
        // A lone percent sign at the end is kept as it is, so that the parity check sees it.
        result.push_back(s.substr(i, j < s.size() ? j - i + 1 : j - i));
        i = j;
    }
    return result;
}

// Every text of a table carries the same placeholders, in the same order, as its English text,
// except the ids listed; an id that English lacks must have no placeholder at all.
inline ::testing::AssertionResult PlaceholdersMatchEnglish(TFill fill, const std::set<int>& except = {})
{
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    std::ostringstream failures;
    for (const auto& entry : TableOf(fill)) {
        if (except.count(entry.first))
            continue;
        const auto it = english.find(entry.first);
        const std::vector<std::wstring> expected
            = it == english.end() ? std::vector<std::wstring>() : Placeholders(it->second);
        if (Placeholders(entry.second) != expected)
            failures << entry.first << ' ';
    }
    if (failures.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "placeholders differ from English at ids " << failures.str();
}

// --- Help-page markup --------------------------------------------------------------------------

inline std::wstring Lower(std::wstring s)
{
    for (auto& c : s)
        c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

inline bool IsVoidTag(const std::wstring& name)
{
    return name == L"br" || name == L"hr" || name == L"img";
}

// Every tag is closed in the order it was opened (br, hr and img stand alone), every '<' starts
// a tag and no '>' stands outside one.
inline ::testing::AssertionResult IsWellFormedHtml(const wxString& html)
{
    const std::wstring s = html.ToStdWstring();
    std::vector<std::wstring> open;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == L'>')
            return ::testing::AssertionFailure() << "stray '>' at " << i;
        if (s[i] != L'<') {
            ++i;
            continue;
        }
        const std::size_t end = s.find(L'>', i);
        if (end == std::wstring::npos)
            return ::testing::AssertionFailure() << "unterminated tag at " << i;
        std::wstring inner = s.substr(i + 1, end - i - 1);
        if (inner.find(L'<') != std::wstring::npos)
            return ::testing::AssertionFailure() << "'<' inside a tag at " << i;
        const bool closing = !inner.empty() && inner[0] == L'/';
        if (closing)
            inner.erase(0, 1);
        std::size_t nameEnd = 0;
        while (nameEnd < inner.size() && std::iswalnum(inner[nameEnd]))
            ++nameEnd;
        const std::wstring name = Lower(inner.substr(0, nameEnd));
        if (name.empty())
            return ::testing::AssertionFailure() << "tag without a name at " << i;
        if (closing) {
            if (open.empty() || open.back() != name)
                return ::testing::AssertionFailure()
                    << "closing tag '" << Utf8(name) << "' does not match at " << i;
            open.pop_back();
        } else if (!IsVoidTag(name) && (inner.empty() || inner.back() != L'/')) {
            open.push_back(name);
        }
        i = end + 1;
    }
    if (!open.empty())
        return ::testing::AssertionFailure() << "unclosed tag '" << Utf8(open.back()) << "'";
    return ::testing::AssertionSuccess();
}

inline std::wstring Trim(const std::wstring& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && std::iswspace(s[b]))
        ++b;
    while (e > b && std::iswspace(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// The text of every element with the given tag (tags inside it removed), in document order.
inline std::vector<std::wstring> ElementTexts(const wxString& html, const std::wstring& tag)
{
    const std::wstring s = html.ToStdWstring();
    const std::wstring openTag = L"<" + tag + L">", closeTag = L"</" + tag + L">";
    std::vector<std::wstring> result;
    for (std::size_t pos = s.find(openTag); pos != std::wstring::npos; pos = s.find(openTag, pos + 1)) {
        const std::size_t end = s.find(closeTag, pos);
        if (end == std::wstring::npos)
            break;
        std::wstring text;
        bool inTag = false;
        for (std::size_t k = pos + openTag.size(); k < end; ++k) {
            if (s[k] == L'<')
                inTag = true;
            else if (s[k] == L'>')
                inTag = false;
            else if (!inTag)
                text += s[k];
        }
        result.push_back(Trim(text));
    }
    return result;
}

// The visible lines of a page: broken at <br>, paragraphs, headings and list items; tags removed,
// blanks trimmed, empty lines dropped.
inline std::vector<std::wstring> VisibleLines(const wxString& html)
{
    static const wchar_t* const breaking[] = { L"br", L"p", L"h1", L"h2", L"h3", L"h4", L"h5", L"h6", L"dl",
        L"dt", L"dd", L"ul", L"ol", L"li", L"div" };
    const std::wstring s = html.ToStdWstring();
    std::vector<std::wstring> lines;
    std::wstring line;
    auto flush = [&]() {
        const std::wstring t = Trim(line);
        if (!t.empty())
            lines.push_back(t);
        line.clear();
    };
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] != L'<') {
            line += s[i] == L'\n' ? L' ' : s[i];
            ++i;
            continue;
        }
        const std::size_t end = s.find(L'>', i);
        if (end == std::wstring::npos)
            break;
        std::wstring name = s.substr(i + 1, end - i - 1);
        if (!name.empty() && name[0] == L'/')
            name.erase(0, 1);
        std::size_t n = 0;
        while (n < name.size() && std::iswalnum(name[n]))
            ++n;
        name = Lower(name.substr(0, n));
        for (const wchar_t* b : breaking)
            if (name == b)
                flush();
        i = end + 1;
    }
    flush();
    return lines;
}

// True when the lines hold the wanted ones in the given order, each as a whole line.
inline ::testing::AssertionResult HasLinesInOrder(
    const std::vector<std::wstring>& lines, const std::vector<std::wstring>& wanted)
{
    std::size_t at = 0;
    for (const auto& w : wanted) {
        while (at < lines.size() && lines[at] != w)
            ++at;
        if (at == lines.size())
            return ::testing::AssertionFailure() << "line not found in order: " << Utf8(w);
        ++at;
    }
    return ::testing::AssertionSuccess();
}

} // namespace table_checks
