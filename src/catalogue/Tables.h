// The language tables of the string catalogue: each inserts its (id, text) pairs into a map.
#pragma once

#include <map>
#include <wx/string.h>

namespace loc {

// Each table inserts with the map's ordinary insert: an id already present keeps its first text.
typedef std::map<int, wxString> TStringTable;

void FillEnglish(TStringTable& table);
void FillCommon(TStringTable& table);

void FillGerman(TStringTable& table);
void FillSpanish(TStringTable& table);
void FillFrench(TStringTable& table);
void FillPolish(TStringTable& table);
void FillSwedish(TStringTable& table);
void FillPortuguese(TStringTable& table);

// Complete tables that no language code selects.
void FillArabic(TStringTable& table);
void FillBasque(TStringTable& table);
void FillCroatian(TStringTable& table);
void FillJapanese(TStringTable& table);
void FillDutch(TStringTable& table);

} // namespace loc
