// The Dutch texts of the catalogue; complete, though no language code selects them yet.
#include "catalogue/Tables.h"

namespace loc {

void FillDutch(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Toevoegen"));
    table.insert(T(6, L"Bestanden toevoegen"));
    table.insert(T(7, L"Voegt bestanden toe aan de bestandenlijst van het luisterboek."));
    table.insert(T(8, L"Verwijderen"));
    table.insert(T(9, L"Bestand verwijderen"));
    table.insert(T(10, L"Verwijdert het geselecteerde bestand uit de bestandenlijst van het luisterboek."));
    table.insert(T(11, L"Splitsen"));
    table.insert(T(12, L"Luisterboek splitsen"));
    table.insert(T(13, L"Splitst de bestanden van het luisterboek."));
    table.insert(T(20, L"Tracklengte"));
    table.insert(T(21, L"Trackvoorvoegsel"));
    table.insert(T(22, L"Track"));
    table.insert(T(25, L"Over Vellomar"));
    table.insert(T(26, L"Toont informatie over Vellomar."));
    table.insert(T(27, L"Afsluiten"));
    table.insert(T(28, L"Sluit het programma af."));
    table.insert(T(29, L"MP3-bestanden van het luisterboek"));
    table.insert(T(33, L"Voortgang"));
    table.insert(T(34, L"Welkom bij Vellomar!"));
    table.insert(T(36, L"© 2009-2013 De auteurs van Vellomar"));
    table.insert(T(38, L"Dit programma is vrije software en wordt uitgegeven onder de GPL."));
    table.insert(T(39, L"Speciale dank aan:"));
    table.insert(T(40, L"Ga voor meer informatie naar onze website:"));
    table.insert(T(41, L"Kies de doelmap"));
    table.insert(T(42, L"\"%s\" geschreven"));
    table.insert(T(43, L"Het luisterboek is met succes gesplitst."));
    table.insert(T(44, L"Geannuleerd door de gebruiker!"));
    // The English text goes in first and so is the one the map keeps; the Dutch one after it is ignored.
    table.insert(T(45, L"An error occurred: %s."));
    table.insert(T(45, L"Er heeft zich een fout voorgedaan: %s."));
    table.insert(T(46, L"Luisterboekbestanden toevoegen"));
    table.insert(T(47, L"Map %s is niet leeg. Bestaande bestanden zo nodig overschrijven?"));
    table.insert(T(48, L"MP3-bestanden"));
    table.insert(T(49, L"Alle bestanden"));
    table.insert(T(50, L"%s toegevoegd."));
    table.insert(T(51, L"%s verwijderd."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(55, L"Minimale tracklengte gewijzigd in %d minuten."));
    table.insert(T(56, L"Minimale tracklengte gewijzigd in %d seconden."));
    table.insert(T(57, L"Bezig met splitsen van %s ..."));
    table.insert(T(58, L"Bezig met splitsen ..."));
    table.insert(T(59, L"Breek eerst het splitsen af."));
    table.insert(T(60, L"Wilt u het programma echt afsluiten?"));
    table.insert(T(61, L"Basisnaam van de tracks gewijzigd in \"%s\"."));
    table.insert(T(62, L"Help ons met een donatie"));
    table.insert(T(67, L"Bestand %s niet gevonden."));
    table.insert(T(68, L"Kan bestand %s niet openen."));
    table.insert(T(69, L"Map %s niet gevonden."));
    table.insert(T(70, L"Kan map %s niet openen."));
    table.insert(T(84, L"http://www.vellomar.org/donate.html"));
    table.insert(T(87, L"Nederlandse vertaling door Joost van Leeuwen en Femke Brouwer."));
}

} // namespace loc
