// The string catalogue: every user-visible text by id, in the system's language or in English.
#include "catalogue/LocalStrings.h"

#include "engine/Log.h"

#include <boost/format.hpp>
#include <wx/intl.h>

namespace loc {

CLocalStrings::CLocalStrings()
{
    // Ask wxLocale for the system language by name only: switching to it just to read the name
    // changes the process locale and, where the system lacks that locale, warns the user in a
    // message box at start-up. A language the system cannot provide has an empty name either way.
    const wxString canonicalName = wxLocale::GetLanguageCanonicalName(wxLocale::GetSystemLanguage());
    LoadLanguage(LanguageCodeOf(canonicalName), current);
    FillEnglish(fallback);
    // Inserted second, so an id that English also defines keeps the English text.
    FillCommon(fallback);
}

wxString CLocalStrings::LanguageCodeOf(const wxString& canonicalName)
{
    return canonicalName.Left(2);
}

void CLocalStrings::LoadLanguage(wxString code, TStringTable& target)
{
    LogInfo((boost::wformat(L"Language (ISO 639): %s") % code.ToStdWstring()).str());

    // Exact, case-sensitive codes; any other code (Arabic, Basque, Croatian, Italian, Japanese,
    // Dutch, the empty one) loads nothing and leaves every text English.
    if (code == L"de")
        FillGerman(target);
    else if (code == L"en")
        FillEnglish(target);
    else if (code == L"es")
        FillSpanish(target);
    else if (code == L"fr")
        FillFrench(target);
    else if (code == L"pl")
        FillPolish(target);
    else if (code == L"sv")
        FillSwedish(target);
    else if (code == L"pt")
        FillPortuguese(target);
}

wxString CLocalStrings::GetString(int id) const
{
    TStringTable::const_iterator it = current.find(id);
    if (it != current.end())
        return it->second;
    it = fallback.find(id);
    if (it != fallback.end())
        return it->second;
    return L"STRING NOT AVAILABLE";
}

void CLocalStrings::SetLanguage(const wxString& code)
{
    current.clear();
    LoadLanguage(code, current);
}

bool CLocalStrings::IsComplete() const
{
    TStringTable english;
    FillEnglish(english);
    return current.size() >= english.size();
}

} // namespace loc
