// The Swedish texts of the catalogue, loaded for the language code "sv".
#include "catalogue/Tables.h"

namespace loc {

void FillSwedish(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Lägg till"));
    table.insert(T(6, L"Lägg till filer"));
    table.insert(T(7, L"Lägger till filer i ljudbokens fillista."));
    table.insert(T(8, L"Ta bort"));
    table.insert(T(9, L"Ta bort fil"));
    table.insert(T(10, L"Tar bort den markerade filen från ljudbokens fillista."));
    table.insert(T(11, L"Dela upp"));
    table.insert(T(12, L"Dela upp ljudbok"));
    table.insert(T(13, L"Delar upp ljudbokens filer."));
    table.insert(T(20, L"Spårlängd"));
    table.insert(T(21, L"Spårprefix"));
    table.insert(T(22, L"Spår"));
    table.insert(T(23, L"Hjälp"));
    table.insert(T(24, L"Visar hjälp för Vellomar."));
    table.insert(T(25, L"Om Vellomar"));
    table.insert(T(26, L"Visar information om Vellomar."));
    table.insert(T(27, L"Avsluta"));
    table.insert(T(28, L"Avslutar programmet."));
    table.insert(T(29, L"Ljudbokens MP3-filer"));
    table.insert(T(30, L"ID3-tagg"));
    table.insert(T(31, L"Uppdelning"));
    table.insert(T(32, L"Alternativ"));
    table.insert(T(33, L"Förlopp"));
    table.insert(T(34, L"Välkommen till Vellomar!"));
    table.insert(T(37, L"Med ensamrätt"));
    table.insert(T(38, L"Det här programmet är fri programvara och ges ut under GPL."));
    table.insert(T(39, L"Ett särskilt tack till:"));
    table.insert(T(40, L"Mer information finns på vår webbplats:"));
    table.insert(T(41, L"Välj målmapp"));
    table.insert(T(42, L"Sparade \"%s\""));
    table.insert(T(43, L"Ljudboken har delats upp."));
    table.insert(T(44, L"Avbrutet av användaren!"));
    table.insert(T(45, L"Ett fel uppstod: %s."));
    table.insert(T(46, L"Lägg till ljudboksfiler"));
    table.insert(T(47, L"Mappen %s är inte tom. Vill du skriva över befintliga filer vid behov?"));
    table.insert(T(48, L"MP3-filer"));
    table.insert(T(49, L"Alla filer"));
    table.insert(T(50, L"Lade till %s."));
    table.insert(T(51, L"Tog bort %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"Minsta spårlängd ändrad till %d minuter."));
    table.insert(T(56, L"Minsta spårlängd ändrad till %d sekunder."));
    table.insert(T(57, L"Delar upp %s ..."));
    table.insert(T(58, L"Delar upp ..."));
    table.insert(T(59, L"Avbryt uppdelningen först."));
    table.insert(T(60, L"Vill du verkligen avsluta?"));
    table.insert(T(61, L"Spårens grundnamn ändrat till \"%s\"."));
    table.insert(T(62, L"Hjälp oss genom att skänka ett bidrag"));
    table.insert(T(67, L"Filen %s hittades inte."));
    table.insert(T(68, L"Det gick inte att öppna filen %s."));
    table.insert(T(69, L"Mappen %s hittades inte."));
    table.insert(T(70, L"Det gick inte att öppna mappen %s."));
    table.insert(T(71, L"Det gick inte att initiera ljudavkodaren."));
    table.insert(T(72, L"Fel vid läsning av fil."));
    table.insert(T(73, L"Fel vid skrivning av fil."));
    table.insert(T(74, L"Fel vid öppning av fil."));
    table.insert(T(75, L"Ljudfilen som ska delas upp är skadad."));
    table.insert(T(76, L"Fel i uppdelningsmotorn."));
    table.insert(T(77, L"Ett oväntat fel uppstod."));
    table.insert(T(79, L"Vill du spara loggfilen?"));
    table.insert(T(80, L"Spara loggfil"));
    // The Swedish pages are part of the main site, so the addresses are the English ones.
    table.insert(T(82, L"http://www.vellomar.org"));
    table.insert(T(83, L"http://www.vellomar.org"));
    table.insert(T(84, L"http://www.vellomar.org/donate.html"));
    table.insert(T(87, L"Svensk översättning av Lars Ekström och Maja Lindqvist."));
    table.insert(T(90, L"Vellomar Hjälpavsnitt"));
    // Besides the toolbar, the Swedish page also explains the buttons beside the file list.
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Introduktion</h5>"
        L"<p>Vellomar är ett program som delar upp långa ljudboksfiler i MP3-format i mindre filer utan "
        L"att koda om dem, så att ljudet förblir exakt detsamma. Programmet hittar delningspunkterna "
        L"automatiskt genom att känna av tystnaden mellan meningarna, så att ingen del börjar eller "
        L"slutar mitt i ett ord.</p>"
        L"<p>Programmet passar för alla slags talat innehåll, till exempel ljudböcker, föreläsningar, "
        L"radioteater och poddar. Mindre filer är mycket lättare att hitta i på bärbara spelare, och "
        L"programmets enkla gränssnitt fungerar bra med skärmläsare och förstoringsprogram.</p>"
        L"<br><br>"
        L"<i>Citerat ur Vellomar Wiki, projektets eget uppslagsverk.</i>"
        L"<br><br>"
        L"<h5>Hur används programmet</h5>"
        L"<p>Vellomar är gjort för långa MP3-inspelningar av tal. Musik med få pauser lämpar sig inte för "
        L"uppdelning vid tystnad.</p>"
        L"<p><b>Först</b> lägger du till en eller flera MP3-filer i fillistan. Om ljudboken består av "
        L"flera filer ska du se till att de ligger i rätt ordning.</p>"
        L"<p><b>Sedan</b> startar du uppdelningen och väljer den mapp där de nya filerna ska sparas. Ett "
        L"förloppsfönster visar hur långt uppdelningen har kommit.</p>"
        L"<br><br>"
        L"<h5>Knappar</h5>"
        L"<p>Om du håller muspekaren stilla över en knapp en stund visas en kort påminnelse om vad den "
        L"gör.</p>"
        L"<dl>"
        L"<dt><b>Lägg till filer</b></dt><dd>Lägger till MP3-filer i ljudbokens fillista.</dd>"
        L"<dt><b>Pilknapparna</b></dt><dd>Flyttar den markerade filen ett steg uppåt eller nedåt i "
        L"fillistan.</dd>"
        L"<dt><b>Ta bort</b></dt><dd>Tar bort den markerade filen från fillistan.</dd>"
        L"<dt><b>Töm listan</b></dt><dd>Tar bort alla filer från fillistan.</dd>"
        L"<dt><b>Dela upp ljudbok</b></dt><dd>Delar upp filerna i listan i kortare delar.</dd>"
        L"<dt><b>Spårlängd</b></dt><dd>Ställer in delarnas längd, från 15 sekunder till 80 minuter.</dd>"
        L"<dt><b>Hjälp</b></dt><dd>Visar den här hjälpsidan.</dd>"
        L"<dt><b>Om Vellomar</b></dt><dd>Visar programmets version och upphovsmän.</dd>"
        L"<dt><b>Avsluta</b></dt><dd>Stänger programmet.</dd>"
        L"</dl>"
        L"<b>Med tangentbordet</b><br>"
        L"Ctrl + O lägger till filer<br>"
        L"Del tar bort den markerade filen<br>"
        L"Ctrl + S startar uppdelningen<br>"
        L"ESC avbryter uppdelningen<br>"
        L"F1 öppnar den här hjälpen<br>"
        L"Alt + F4 avslutar programmet<br>"));
    table.insert(T(92,
        L"Vi behöver din hjälp:\nProgrammets svenska översättning är fortfarande ofullständig.\n"
        L"Kontakta upphovsmännen och stöd projektet."));
    table.insert(T(93, L"Förinställningar"));
    table.insert(T(94, L"Ljudbok"));
    table.insert(T(95, L"Podcast (korta tysta partier med bakgrundsbrus)"));
    table.insert(T(96, L"Tidsbaserad (exakt uppdelning utan tystnadsavkänning)"));
    table.insert(T(97, L"Pausbaserad (delar vid varje paus)"));
    table.insert(T(98, L"Egna inställningar"));
    table.insert(T(99, L"så kort som möjligt"));
    table.insert(T(100, L"Uppdelningsalternativ"));
    table.insert(T(101, L"Tystnadsavkänning"));
    table.insert(T(103, L"Definition av tystnad"));
    table.insert(T(104, L"Brusnivå"));
    table.insert(T(105, L"låg"));
    table.insert(T(106, L"medel"));
    table.insert(T(107, L"hög"));
    table.insert(T(108, L"automatisk"));
    table.insert(T(109, L"Minsta längd"));
    table.insert(T(111, L"Automatiskt läge"));
    table.insert(T(112, L"Standardinställningar"));
    table.insert(T(113, L"Alternativ för taggar"));
    table.insert(T(114, L"Skapa ID3-taggar"));
    table.insert(T(115, L"Version"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 och ID3v2.3"));
    table.insert(T(119, L"Innehåll"));
    table.insert(T(120, L"Skapa titel från ljudfilens namn"));
    table.insert(T(121, L"Skapa albumnamn från titeln"));
    table.insert(T(122, L"Titel"));
    table.insert(T(123, L"Album"));
    table.insert(T(127, L"Författare"));
    table.insert(T(128, L"Kommentar"));
    table.insert(T(129, L"Exempel:"));
    table.insert(T(130, L"Spårnumrets placering"));
    table.insert(T(131, L"Lägg till spårnumret i början av titeln"));
    table.insert(T(132, L"Lägg till spårnumret i slutet av titeln"));
    table.insert(T(133, L"Spårnumrets format"));
    table.insert(T(134, L"inga inledande nollor"));
    table.insert(T(135, L"2 siffror"));
    table.insert(T(136, L"3 siffror"));
    table.insert(T(137, L"4 siffror"));
    table.insert(T(138, L"Allmänt"));
    table.insert(T(140, L"Filhantering"));
    table.insert(T(141, L"Mapphantering"));
    table.insert(T(142, L"Spara inställningar och kom ihåg mappar"));
    table.insert(T(143, L"Slå ihop filer före uppdelning"));
    table.insert(T(144, L"Dela upp filerna var för sig"));
    table.insert(T(145, L"Skapa spellista"));
    table.insert(T(146, L"Skapa automatiskt en undermapp för de uppdelade filerna i målmappen"));
    table.insert(T(147, L"Använd källmappen som standardmål"));
}

} // namespace loc
