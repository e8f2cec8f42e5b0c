// The Basque texts of the catalogue; complete, though no language code selects them yet.
#include "catalogue/Tables.h"

namespace loc {

void FillBasque(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Gehitu"));
    table.insert(T(6, L"Gehitu fitxategiak"));
    table.insert(T(7, L"Fitxategiak gehitzen ditu audio-liburuaren fitxategi-zerrendara."));
    table.insert(T(8, L"Kendu"));
    table.insert(T(9, L"Kendu fitxategia"));
    table.insert(T(10, L"Hautatutako fitxategia kentzen du audio-liburuaren fitxategi-zerrendatik."));
    table.insert(T(11, L"Zatitu"));
    table.insert(T(12, L"Zatitu audio-liburua"));
    table.insert(T(13, L"Audio-liburuaren fitxategiak zatitzen ditu."));
    table.insert(T(20, L"Pistaren luzera"));
    table.insert(T(21, L"Pistaren aurrizkia"));
    table.insert(T(22, L"Pista"));
    table.insert(T(25, L"Vellomar-i buruz"));
    table.insert(T(26, L"Vellomar-i buruzko informazioa erakusten du."));
    table.insert(T(27, L"Irten"));
    table.insert(T(28, L"Programatik irteten da."));
    table.insert(T(29, L"Audio-liburuaren MP3 fitxategiak"));
    table.insert(T(33, L"Aurrerapenaren informazioa"));
    table.insert(T(34, L"Ongi etorri Vellomar-era!"));
    table.insert(T(36, L"© 2009-2013 Vellomar-en egileak"));
    table.insert(T(38, L"Programa hau software librea da, eta GPL lizentziarekin argitaratzen da."));
    table.insert(T(39, L"Esker bereziak:"));
    table.insert(T(40, L"Informazio gehiago nahi baduzu, bisitatu gure webgunea:"));
    table.insert(T(41, L"Hautatu helburuko direktorioa"));
    table.insert(T(42, L"\"%s\" idatzi da"));
    table.insert(T(43, L"Audio-liburua behar bezala zatitu da."));
    table.insert(T(44, L"Erabiltzaileak bertan behera utzi du!"));
    table.insert(T(45, L"Errore bat gertatu da: %s."));
    table.insert(T(46, L"Gehitu audio-liburuaren fitxategiak"));
    table.insert(T(47, L"%s direktorioa ez dago hutsik. Dauden fitxategiak gainidatzi, behar izanez gero?"));
    table.insert(T(48, L"MP3 fitxategiak"));
    table.insert(T(49, L"Fitxategi guztiak"));
    table.insert(T(50, L"%s gehitu da."));
    table.insert(T(51, L"%s kendu da."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(55, L"Pistaren gutxieneko luzera %d minutura aldatu da."));
    table.insert(T(56, L"Pistaren gutxieneko luzera %d segundora aldatu da."));
    table.insert(T(57, L"%s zatitzen ..."));
    table.insert(T(58, L"Zatitzen ..."));
    table.insert(T(59, L"Lehenik, eten zatitze-eragiketa."));
    table.insert(T(60, L"Ziur zaude irten nahi duzula?"));
    table.insert(T(61, L"Pisten oinarrizko izena \"%s\" izatera aldatu da."));
    table.insert(T(62, L"Lagun iezaguzu dohaintza bat eginez"));
    table.insert(T(67, L"Ez da %s fitxategia aurkitu."));
    table.insert(T(68, L"Ezin izan da %s fitxategia ireki."));
    table.insert(T(69, L"Ez da %s direktorioa aurkitu."));
    table.insert(T(70, L"Ezin izan da %s direktorioa ireki."));
    table.insert(T(84, L"http://www.vellomar.org/donate.html"));
    table.insert(T(87, L"Euskarazko itzulpena: Iker Etxeberria eta Maite Agirrezabal."));
}

} // namespace loc
