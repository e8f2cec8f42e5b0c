// The catalogue's language-independent entries: product name, versions and a generic notice.
#include "catalogue/Tables.h"

namespace loc {

void FillCommon(TStringTable& table)
{
    table.insert(TStringTable::value_type(1, L"Vellomar"));
    table.insert(TStringTable::value_type(3, L"1.9"));
    table.insert(TStringTable::value_type(4, L"1.9.4.2144"));
    table.insert(TStringTable::value_type(92,
        L"Your help is needed:\nThe application's translation to your language is still missing.\n"
        L"Please contact the authors and support the project."));
}

} // namespace loc
