// The German, Spanish and French tables: which ids they define, their fixed texts, placeholders, help pages.
#include "TableChecks.h"

#include <gtest/gtest.h>

using namespace table_checks;

namespace {

// Ids that Spanish and French leave to English: the file-list buttons, the silence message, the
// addresses, two split options, the language label and the language names.
std::set<int> UntranslatedInSpanishAndFrench()
{
    return Ids({ { 14, 19 }, { 36, 36 }, { 78, 78 }, { 82, 84 }, { 102, 102 }, { 110, 110 }, { 139, 139 },
        { 148, 154 } });
}

TEST(TableIds, GermanDefinesEveryEnglishIdButTheRightsNotice)
{
    EXPECT_EQ(139u, IdsOf(loc::FillGerman).size());
    EXPECT_EQ(std::set<int>({ 36 }), MissingIds(loc::FillGerman));
}

TEST(TableIds, SpanishLacksTheListedIds)
{
    EXPECT_EQ(119u, IdsOf(loc::FillSpanish).size());
    EXPECT_EQ(UntranslatedInSpanishAndFrench(), MissingIds(loc::FillSpanish))
        << Describe(MissingIds(loc::FillSpanish));
}

TEST(TableIds, FrenchLacksTheSpanishGapsAndTheHelp)
{
    std::set<int> expected = UntranslatedInSpanishAndFrench();
    expected.insert(90);
    expected.insert(91);
    EXPECT_EQ(117u, IdsOf(loc::FillFrench).size());
    EXPECT_EQ(expected, MissingIds(loc::FillFrench)) << Describe(MissingIds(loc::FillFrench));
}

TEST(TableIds, NoTranslationDefinesAnIdThatEnglishLacksOrAnEmptyText)
{
    for (TFill fill : { loc::FillGerman, loc::FillSpanish, loc::FillFrench }) {
        EXPECT_TRUE(Minus(IdsOf(fill), EnglishIds()).empty()) << Describe(Minus(IdsOf(fill), EnglishIds()));
        for (const auto& entry : TableOf(fill))
            EXPECT_FALSE(entry.second.empty()) << entry.first;
    }
}

TEST(Placeholders, EveryTranslationCarriesTheEnglishPlaceholdersInOrder)
{
    EXPECT_TRUE(PlaceholdersMatchEnglish(loc::FillGerman));
    EXPECT_TRUE(PlaceholdersMatchEnglish(loc::FillSpanish));
    EXPECT_TRUE(PlaceholdersMatchEnglish(loc::FillFrench, { 67, 68 }));
}

TEST(Placeholders, TheParityCheckCatchesASwappedOrMissingPlaceholder)
{
    auto swapped = [](loc::TStringTable& t) { t.insert(loc::TStringTable::value_type(42, L"%d written")); };
    auto extra = [](loc::TStringTable& t) { t.insert(loc::TStringTable::value_type(5, L"Add %s")); };
    EXPECT_FALSE(PlaceholdersMatchEnglish(swapped));
    EXPECT_FALSE(PlaceholdersMatchEnglish(extra));
}

TEST(Placeholders, FrenchFileMessagesNameNoFile)
{
    const loc::TStringTable french = TableOf(loc::FillFrench);
    EXPECT_EQ(L"Ce fichier n'est pas disponible.", french.at(67));
    EXPECT_EQ(L"Ce fichier ne peut pas être ouvert.", french.at(68));
    EXPECT_TRUE(Placeholders(french.at(67)).empty());
    EXPECT_TRUE(Placeholders(french.at(68)).empty());
    EXPECT_EQ(L"Ce fichier n'est pas disponible.", wxString::Format(french.at(67), L"/tmp/a.mp3"));
}

TEST(FixedTexts, GermanRowsAsPublished)
{
    const loc::TStringTable german = TableOf(loc::FillGerman);
    EXPECT_EQ(L"Hinzufügen", german.at(5));
    EXPECT_EQ(L"Teilen", german.at(11));
    EXPECT_EQ(L"Abbruch durch Benutzer!", german.at(44));
    EXPECT_EQ(L"Es ist ein Fehler aufgetreten: %s.", german.at(45));
    EXPECT_EQ(L"Hörbuch", german.at(94));
    EXPECT_EQ(L"Sprache", german.at(125));
    EXPECT_EQ(L"Sprache", german.at(139));
    EXPECT_EQ(L"Deutsch", german.at(149));
}

TEST(FixedTexts, GermanHasItsOwnAddresses)
{
    const loc::TStringTable german = TableOf(loc::FillGerman);
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    EXPECT_EQ(german.at(82), german.at(83));
    for (int id : { 82, 83, 84 }) {
        EXPECT_TRUE(german.at(id).StartsWith(L"http://")) << id;
        EXPECT_NE(english.at(id), german.at(id)) << id;
    }
}

TEST(FixedTexts, SpanishRowsAsPublished)
{
    const loc::TStringTable spanish = TableOf(loc::FillSpanish);
    EXPECT_EQ(L"Añadir", spanish.at(5));
    EXPECT_EQ(L"Dividir", spanish.at(11));
    EXPECT_EQ(L"¡Cancelado por el usuario!", spanish.at(44));
    EXPECT_EQ(L"Se produjo un error: %s.", spanish.at(45));
    EXPECT_EQ(L"Audiolibro", spanish.at(94));
}

TEST(FixedTexts, FrenchRowsAsPublished)
{
    const loc::TStringTable french = TableOf(loc::FillFrench);
    EXPECT_EQ(L"Ajoute", french.at(5));
    EXPECT_EQ(L"Découpe", french.at(11));
    EXPECT_EQ(L"Opération annulée par l'utilisateur.", french.at(44));
    EXPECT_EQ(L"Une erreur s'est produite sur %s.", french.at(45));
    EXPECT_EQ(L"Livre Audio", french.at(94));
    EXPECT_EQ(L"Your help is needed:\nThe application's French translation is still incomplete.\n"
              L"Please contact the authors and support the project.",
        french.at(92));
}

TEST(FixedTexts, TranslationCreditsNameTheProduct)
{
    for (TFill fill : { loc::FillGerman, loc::FillSpanish, loc::FillFrench })
        EXPECT_NE(wxString::npos, TableOf(fill).at(87).find(L"Vellomar"));
}

TEST(HelpPages, GermanPageHasItsTenSectionsAndTheShortcuts)
{
    const wxString page = TableOf(loc::FillGerman).at(91);
    EXPECT_TRUE(IsWellFormedHtml(page));
    EXPECT_EQ(std::vector<std::wstring>({ L"Allgemeine Informationen", L"Systemvoraussetzungen",
                  L"Installation", L"Updates", L"Prinzipielle Vorgehensweise", L"Hinzufügen von Dateien",
                  L"Einstellen der minimalen Kapitellänge", L"Anpassen der ID3 Tags",
                  L"Trennen eines Hörbuchs", L"Tastenbelegung" }),
        ElementTexts(page, L"h4"));
    EXPECT_TRUE(HasLinesInOrder(VisibleLines(page),
        { L"Tastenbelegung", L"Dateien hinzufügen: Strg + O", L"Markierte Datei entfernen: Entf",
            L"Hörbuch trennen: Strg + S", L"Trennen abbrechen: ESC", L"Hilfe: F1",
            L"Programm beenden: Alt + F4" }));
}

TEST(HelpPages, SpanishPageFollowsTheEnglishStructure)
{
    const wxString page = TableOf(loc::FillSpanish).at(91);
    EXPECT_TRUE(IsWellFormedHtml(page));
    EXPECT_TRUE(page.StartsWith(L"<br><br>"));
    EXPECT_EQ(std::vector<std::wstring>({ L"Introducción", L"Cómo usar el programa", L"Los controles" }),
        ElementTexts(page, L"h5"));
    EXPECT_EQ(6u, ElementTexts(page, L"dt").size());
    EXPECT_EQ(6u, ElementTexts(page, L"dd").size());
    EXPECT_EQ(1u, ElementTexts(page, L"i").size());
    EXPECT_NE(wxString::npos, page.find(L"entre 15 segundos y 80 minutos"));
    EXPECT_TRUE(HasLinesInOrder(VisibleLines(page),
        { L"Atajos de teclado", L"Añadir archivos: Ctrl + O", L"Quitar el archivo seleccionado: Supr",
            L"Dividir: Ctrl + S", L"Cancelar la división: ESC", L"Ayuda: F1", L"Salir: Alt + F4" }));
}

} // namespace
