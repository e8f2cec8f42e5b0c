// The Croatian texts of the catalogue; complete, though no language code selects them yet.
#include "catalogue/Tables.h"

namespace loc {

void FillCroatian(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Dodaj"));
    table.insert(T(6, L"Dodaj datoteke"));
    table.insert(T(7, L"Dodaje datoteke na popis datoteka zvučne knjige."));
    table.insert(T(8, L"Ukloni"));
    table.insert(T(9, L"Ukloni datoteku"));
    table.insert(T(10, L"Uklanja odabranu datoteku s popisa datoteka zvučne knjige."));
    table.insert(T(11, L"Podijeli"));
    table.insert(T(12, L"Podijeli zvučnu knjigu"));
    table.insert(T(13, L"Dijeli datoteke zvučne knjige."));
    table.insert(T(20, L"Duljina zapisa"));
    table.insert(T(21, L"Prefiks zapisa"));
    table.insert(T(22, L"Zapis"));
    table.insert(T(23, L"Pomoć"));
    table.insert(T(24, L"Prikazuje pomoć za Vellomar."));
    table.insert(T(25, L"O programu Vellomar"));
    table.insert(T(26, L"Prikazuje podatke o programu Vellomar."));
    table.insert(T(27, L"Izlaz"));
    table.insert(T(28, L"Zatvara program."));
    table.insert(T(29, L"MP3 datoteke zvučne knjige"));
    table.insert(T(33, L"Napredak"));
    table.insert(T(34, L"Dobro došli u Vellomar!"));
    table.insert(T(36, L"© 2009-2013 Autori programa Vellomar"));
    table.insert(T(38, L"Ovaj je program slobodan softver objavljen pod licencom GPL."));
    table.insert(T(39, L"Posebna zahvala:"));
    table.insert(T(40, L"Više informacija potražite na našem web-mjestu:"));
    table.insert(T(41, L"Odaberite odredišnu mapu"));
    table.insert(T(42, L"Zapisano \"%s\""));
    table.insert(T(43, L"Zvučna knjiga uspješno je podijeljena."));
    table.insert(T(44, L"Prekinuo korisnik!"));
    table.insert(T(45, L"Došlo je do pogreške: %s."));
    table.insert(T(46, L"Dodaj datoteke zvučne knjige"));
    table.insert(T(47, L"Mapa %s nije prazna. Želite li po potrebi prebrisati postojeće datoteke?"));
    table.insert(T(48, L"MP3 datoteke"));
    table.insert(T(49, L"Sve datoteke"));
    table.insert(T(50, L"Dodano: %s."));
    table.insert(T(51, L"Uklonjeno: %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    // Abbreviated units spare the Croatian plural forms, which depend on the number.
    table.insert(T(55, L"Najmanja duljina zapisa promijenjena je na %d min."));
    table.insert(T(56, L"Najmanja duljina zapisa promijenjena je na %d s."));
    table.insert(T(57, L"Dijeljenje %s ..."));
    table.insert(T(58, L"Dijeljenje ..."));
    table.insert(T(59, L"Najprije prekinite dijeljenje."));
    table.insert(T(60, L"Želite li doista izaći iz programa?"));
    table.insert(T(61, L"Osnovni naziv zapisa promijenjen je u \"%s\"."));
    table.insert(T(62, L"Pomozite nam donacijom"));
    table.insert(T(67, L"Datoteka %s nije pronađena."));
    table.insert(T(68, L"Datoteku %s nije moguće otvoriti."));
    table.insert(T(69, L"Mapa %s nije pronađena."));
    table.insert(T(70, L"Mapu %s nije moguće otvoriti."));
    table.insert(T(87, L"Na hrvatski preveli Ivan Matković i Petra Horvatinčić."));
    table.insert(T(90, L"Pomoć za Vellomar"));
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Uvod</h5>"
        L"<p>Vellomar je program koji dugačke MP3 datoteke zvučnih knjiga dijeli na manje bez ponovnog "
        L"kodiranja, pa zvuk ostaje potpuno isti. Točke dijeljenja pronalazi automatski otkrivanjem "
        L"tišine između rečenica, tako da nijedan dio ne počinje niti završava usred riječi.</p>"
        L"<p>Program je prikladan za sve vrste govornog sadržaja, poput zvučnih knjiga, predavanja, "
        L"radijskih drama i podcasta. Manjim se datotekama mnogo lakše snalaziti na prijenosnim "
        L"reproduktorima, a jednostavno sučelje programa dobro radi s čitačima zaslona i povećalima "
        L"zaslona.</p>"
        L"<br><br>"
        L"<i>Citirano iz Vellomar Wikija, enciklopedije samog projekta.</i>"
        L"<br><br>"
        L"<h5>Kako koristiti program</h5>"
        L"<p>Vellomar je namijenjen dugim MP3 snimkama govora. Glazba s malo stanki nije prikladna za "
        L"dijeljenje na mjestima tišine.</p>"
        L"<p><b>Prvo</b> dodajte jednu ili više MP3 datoteka na popis datoteka. Ako se zvučna knjiga "
        L"sastoji od nekoliko datoteka, provjerite jesu li poredane ispravnim redoslijedom.</p>"
        L"<p><b>Drugo</b> pokrenite dijeljenje i odaberite mapu u koju će se zapisati nove datoteke. "
        L"Prozor napretka pokazuje dokle je dijeljenje stiglo.</p>"
        L"<br><br>"
        L"<h5>Kontrole</h5>"
        L"<p>Zadržite li pokazivač miša na kontroli nekoliko trenutaka, pojavit će se kratak podsjetnik "
        L"na njezinu namjenu.</p>"
        L"<dl>"
        L"<dt><b>Dodaj datoteke</b></dt><dd>Dodaje MP3 datoteke na popis datoteka zvučne knjige.</dd>"
        L"<dt><b>Podijeli zvučnu knjigu</b></dt><dd>Dijeli datoteke s popisa na kraće dijelove.</dd>"
        L"<dt><b>Duljina zapisa</b></dt><dd>Postavlja duljinu dijelova, između 15 sekundi i 80 "
        L"minuta.</dd>"
        L"<dt><b>Pomoć</b></dt><dd>Prikazuje ovu stranicu pomoći.</dd>"
        L"<dt><b>O programu Vellomar</b></dt><dd>Prikazuje verziju i autore programa.</dd>"
        L"<dt><b>Izlaz</b></dt><dd>Zatvara program.</dd>"
        L"</dl>"
        L"<b>Tipkovnički prečaci</b><br>"
        L"Dodavanje datoteka: Ctrl + O<br>"
        L"Uklanjanje odabrane datoteke: Del<br>"
        L"Dijeljenje: Ctrl + S<br>"
        L"Prekid dijeljenja: ESC<br>"
        L"Prozor pomoći: F1<br>"
        L"Izlaz: Alt + F4<br>"));
    table.insert(T(92,
        L"Potrebna nam je vaša pomoć:\nHrvatski prijevod programa još nije dovršen.\n"
        L"Obratite se autorima i podržite projekt."));
}

} // namespace loc
