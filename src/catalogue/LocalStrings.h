// The string catalogue: every user-visible text by id, in the system's language or in English.
#pragma once

#include "catalogue/Tables.h"

#include <wx/string.h>

namespace loc {

class CLocalStrings {
public:
    // Loads the table of the system's default language into the current map and English plus
    // the language-independent entries into the fallback.
    CLocalStrings();

    // The text of the current language, else the English one, else "STRING NOT AVAILABLE".
    wxString GetString(int id) const;

    // Logs the code and runs the table that it selects (if any) into the target map.
    static void LoadLanguage(wxString code, TStringTable& target);

    // Replaces the current language; the fallback stays as it is.
    void SetLanguage(const wxString& code);

    // True when the current language has at least as many texts as the English table.
    bool IsComplete() const;

    // The ISO 639 code of a canonical locale name ("de_DE" gives "de"): its first two characters.
    static wxString LanguageCodeOf(const wxString& canonicalName);

private:
    TStringTable current;
    TStringTable fallback;
};

} // namespace loc
