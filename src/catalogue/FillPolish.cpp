// The Polish texts of the catalogue, loaded for the language code "pl".
#include "catalogue/Tables.h"

namespace loc {

void FillPolish(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Dodaj"));
    table.insert(T(6, L"Dodaj pliki"));
    table.insert(T(7, L"Dodaje pliki do listy plików audioksiążki."));
    table.insert(T(8, L"Usuń"));
    table.insert(T(9, L"Usuń plik"));
    table.insert(T(10, L"Usuwa zaznaczony plik z listy plików audioksiążki."));
    table.insert(T(11, L"Podziel"));
    table.insert(T(12, L"Podziel audioksiążkę"));
    table.insert(T(13, L"Dzieli pliki audioksiążki."));
    table.insert(T(20, L"Długość ścieżki"));
    table.insert(T(21, L"Przedrostek ścieżki"));
    table.insert(T(22, L"Ścieżka"));
    table.insert(T(23, L"Pomoc"));
    table.insert(T(24, L"Wyświetla pomoc programu Vellomar."));
    table.insert(T(25, L"O programie Vellomar"));
    table.insert(T(26, L"Wyświetla informacje o programie Vellomar."));
    table.insert(T(27, L"Zakończ"));
    table.insert(T(28, L"Kończy pracę programu."));
    table.insert(T(29, L"Pliki MP3 audioksiążki"));
    table.insert(T(30, L"Znacznik ID3"));
    table.insert(T(31, L"Podział"));
    table.insert(T(32, L"Opcje"));
    table.insert(T(33, L"Informacje o postępie"));
    table.insert(T(34, L"Witamy w programie Vellomar!"));
    table.insert(T(37, L"Wszelkie prawa zastrzeżone"));
    table.insert(T(38, L"Ten program jest wolnym oprogramowaniem udostępnianym na licencji GPL."));
    table.insert(T(39, L"Szczególne podziękowania dla:"));
    table.insert(T(40, L"Więcej informacji znajdziesz na naszej stronie internetowej:"));
    table.insert(T(41, L"Wybierz katalog docelowy"));
    table.insert(T(42, L"Zapisano \"%s\""));
    table.insert(T(43, L"Audioksiążka została pomyślnie podzielona."));
    table.insert(T(44, L"Anulowane przez użytkownika!"));
    table.insert(T(45, L"Wystąpił błąd: %s."));
    table.insert(T(46, L"Dodaj pliki audioksiążki"));
    table.insert(T(47, L"Katalog %s nie jest pusty. Czy w razie potrzeby zastąpić istniejące pliki?"));
    table.insert(T(48, L"Pliki MP3"));
    table.insert(T(49, L"Wszystkie pliki"));
    table.insert(T(50, L"Dodano %s."));
    table.insert(T(51, L"Usunięto %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    // Abbreviated units spare the Polish plural forms, which depend on the number.
    table.insert(T(55, L"Zmieniono minimalną długość ścieżki na %d min."));
    table.insert(T(56, L"Zmieniono minimalną długość ścieżki na %d s."));
    table.insert(T(57, L"Dzielenie %s ..."));
    table.insert(T(58, L"Dzielenie ..."));
    table.insert(T(59, L"Najpierw przerwij dzielenie."));
    table.insert(T(60, L"Czy na pewno chcesz zakończyć pracę programu?"));
    table.insert(T(61, L"Zmieniono podstawową nazwę ścieżek na \"%s\"."));
    table.insert(T(62, L"Wesprzyj nas darowizną"));
    table.insert(T(67, L"Nie znaleziono pliku %s."));
    table.insert(T(68, L"Nie można otworzyć pliku %s."));
    table.insert(T(69, L"Nie znaleziono katalogu %s."));
    table.insert(T(70, L"Nie można otworzyć katalogu %s."));
    table.insert(T(71, L"Błąd inicjalizacji dekodera dźwięku."));
    table.insert(T(72, L"Błąd odczytu pliku."));
    table.insert(T(73, L"Błąd zapisu pliku."));
    table.insert(T(74, L"Błąd otwierania pliku."));
    table.insert(T(75, L"Wejściowy plik dźwiękowy jest uszkodzony."));
    table.insert(T(76, L"Błąd mechanizmu dzielenia."));
    table.insert(T(77, L"Wystąpił nieoczekiwany błąd."));
    table.insert(T(79, L"Czy chcesz zapisać plik dziennika?"));
    table.insert(T(80, L"Zapisz plik dziennika"));
    table.insert(T(87, L"Na język polski przetłumaczyli Tomasz Wierzbicki i Agnieszka Rudnicka."));
    table.insert(T(90, L"Pomoc Programu Vellomar"));
    // The controls section keeps its English heading.
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Wprowadzenie</h5>"
        L"<p>Vellomar to program, który dzieli długie pliki MP3 z audioksiążkami na mniejsze bez "
        L"ponownego kodowania, dzięki czemu dźwięk pozostaje dokładnie taki sam. Punkty podziału "
        L"wyszukuje automatycznie, wykrywając ciszę między zdaniami, tak aby żadna część nie zaczynała "
        L"się ani nie kończyła w połowie słowa.</p>"
        L"<p>Program sprawdza się przy wszelkich nagraniach mówionych, takich jak audioksiążki, wykłady, "
        L"słuchowiska i podcasty. Po mniejszych plikach znacznie łatwiej poruszać się w przenośnych "
        L"odtwarzaczach, a prosty interfejs programu dobrze współpracuje z czytnikami ekranu i programami "
        L"powiększającymi.</p>"
        L"<br><br>"
        L"<i>Cytat z Vellomar Wiki, encyklopedii prowadzonej przez projekt.</i>"
        L"<br><br>"
        L"<h5>Jak korzystać z programu</h5>"
        L"<p>Vellomar jest przeznaczony do długich nagrań mowy w formacie MP3. Muzyka z nielicznymi "
        L"przerwami nie nadaje się do dzielenia w miejscach ciszy.</p>"
        L"<p><b>Najpierw</b> dodaj jeden lub więcej plików MP3 do listy plików. Jeśli audioksiążka składa "
        L"się z kilku plików, upewnij się, że są ułożone we właściwej kolejności.</p>"
        L"<p><b>Następnie</b> rozpocznij podział i wybierz katalog, w którym mają zostać zapisane nowe "
        L"pliki. Okno postępu pokazuje, jak daleko posunął się podział.</p>"
        L"<br><br>"
        L"<h5>The controls</h5>"
        L"<p>Jeśli przytrzymasz przez chwilę wskaźnik myszy nad elementem sterującym, pojawi się krótka "
        L"podpowiedź o jego przeznaczeniu.</p>"
        L"<dl>"
        L"<dt><b>Dodaj pliki</b></dt><dd>Dodaje pliki MP3 do listy plików audioksiążki.</dd>"
        L"<dt><b>Podziel audioksiążkę</b></dt><dd>Dzieli pliki z listy na krótsze części.</dd>"
        L"<dt><b>Długość ścieżki</b></dt><dd>Ustawia długość części, od 15 sekund do 80 minut.</dd>"
        L"<dt><b>Pomoc</b></dt><dd>Wyświetla tę stronę pomocy.</dd>"
        L"<dt><b>O programie Vellomar</b></dt><dd>Wyświetla wersję i autorów programu.</dd>"
        L"<dt><b>Zakończ</b></dt><dd>Zamyka program.</dd>"
        L"</dl>"
        L"<b>Skróty klawiaturowe</b><br>"
        L"Dodaj pliki: Ctrl + O<br>"
        L"Usuń zaznaczony plik: Del<br>"
        L"Podziel: Ctrl + S<br>"
        L"Przerwij dzielenie: ESC<br>"
        L"Okno pomocy: F1<br>"
        L"Zakończ: Alt + F4<br>"));
    table.insert(T(92,
        L"Potrzebujemy Twojej pomocy:\nPolskie tłumaczenie programu jest wciąż niekompletne.\n"
        L"Skontaktuj się z autorami i wesprzyj projekt."));
    table.insert(T(93, L"Ustawienia wstępne"));
    table.insert(T(94, L"Audioksiążka"));
    table.insert(T(95, L"Podcast (krótkie przerwy z szumem w tle)"));
    table.insert(T(96, L"Według czasu (dokładny podział bez wykrywania ciszy)"));
    table.insert(T(97, L"Według przerw (podział przy każdej przerwie)"));
    table.insert(T(98, L"Ustawienia własne"));
    table.insert(T(99, L"jak najkrótsza"));
    table.insert(T(100, L"Opcje podziału"));
    table.insert(T(101, L"Wykrywanie ciszy"));
    table.insert(T(103, L"Definicja ciszy"));
    table.insert(T(104, L"Poziom szumu"));
    table.insert(T(105, L"niski"));
    table.insert(T(106, L"średni"));
    table.insert(T(107, L"wysoki"));
    table.insert(T(108, L"automatyczny"));
    table.insert(T(109, L"Minimalny czas trwania"));
    table.insert(T(111, L"Tryb automatyczny"));
    table.insert(T(112, L"Ustawienia domyślne"));
    table.insert(T(113, L"Opcje tworzenia"));
    table.insert(T(114, L"Twórz znaczniki ID3"));
    table.insert(T(115, L"Wersja"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 i ID3v2.3"));
    table.insert(T(119, L"Zawartość"));
    table.insert(T(120, L"Twórz tytuł z nazwy pliku dźwiękowego"));
    table.insert(T(121, L"Twórz nazwę albumu z tytułu"));
    table.insert(T(122, L"Tytuł"));
    table.insert(T(123, L"Album"));
    table.insert(T(127, L"Autor"));
    table.insert(T(128, L"Komentarz"));
    table.insert(T(129, L"Przykład:"));
    table.insert(T(130, L"Położenie numeru ścieżki"));
    table.insert(T(131, L"Dodaj numer ścieżki na początku tytułu"));
    table.insert(T(132, L"Dodaj numer ścieżki na końcu tytułu"));
    table.insert(T(133, L"Format numeru ścieżki"));
    table.insert(T(134, L"bez zer wiodących"));
    table.insert(T(135, L"2 cyfry"));
    table.insert(T(136, L"3 cyfry"));
    table.insert(T(137, L"4 cyfry"));
    table.insert(T(138, L"Ogólne"));
    table.insert(T(140, L"Obsługa plików"));
    table.insert(T(141, L"Obsługa katalogów"));
    table.insert(T(142, L"Zapisuj ustawienia i zapamiętuj katalogi"));
    table.insert(T(143, L"Scal pliki przed podziałem"));
    table.insert(T(144, L"Dziel każdy plik osobno"));
    table.insert(T(145, L"Twórz plik listy odtwarzania"));
    table.insert(T(146, L"Automatycznie twórz w katalogu docelowym podkatalog na podzielone pliki"));
    table.insert(T(147, L"Używaj katalogu źródłowego jako domyślnego katalogu docelowego"));
}

} // namespace loc
