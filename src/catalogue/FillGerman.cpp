// The German texts of the catalogue.
#include "catalogue/Tables.h"

namespace loc {

void FillGerman(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Hinzufügen"));
    table.insert(T(6, L"Dateien hinzufügen"));
    table.insert(T(7, L"Fügt Dateien zur Liste der Hörbuchdateien hinzu."));
    table.insert(T(8, L"Entfernen"));
    table.insert(T(9, L"Datei entfernen"));
    table.insert(T(10, L"Entfernt die markierte Datei aus der Liste der Hörbuchdateien."));
    table.insert(T(11, L"Teilen"));
    table.insert(T(12, L"Hörbuch teilen"));
    table.insert(T(13, L"Teilt die Hörbuchdateien."));
    table.insert(T(14, L"Zusammenfügen"));
    table.insert(T(15, L"Hörbuchdateien zusammenfügen"));
    table.insert(T(16, L"Fügt alle MP3-Dateien zu einer einzigen Datei zusammen."));
    table.insert(T(17, L"Nach oben"));
    table.insert(T(18, L"Nach unten"));
    table.insert(T(19, L"Alle entfernen"));
    table.insert(T(20, L"Kapitellänge"));
    table.insert(T(21, L"Kapitelpräfix"));
    table.insert(T(22, L"Kapitel"));
    table.insert(T(23, L"Hilfe"));
    table.insert(T(24, L"Zeigt die Hilfe zu Vellomar an."));
    table.insert(T(25, L"Über Vellomar"));
    table.insert(T(26, L"Zeigt Informationen über Vellomar an."));
    table.insert(T(27, L"Beenden"));
    table.insert(T(28, L"Beendet das Programm."));
    table.insert(T(29, L"MP3-Dateien des Hörbuchs"));
    table.insert(T(30, L"ID3-Tag"));
    table.insert(T(31, L"Teilen"));
    table.insert(T(32, L"Optionen"));
    table.insert(T(33, L"Fortschritt"));
    table.insert(T(34, L"Willkommen bei Vellomar!"));
    table.insert(T(37, L"Alle Rechte vorbehalten"));
    table.insert(T(38, L"Dieses Programm ist freie Software und wird unter der GPL veröffentlicht."));
    table.insert(T(39, L"Besonderer Dank an:"));
    table.insert(T(40, L"Weitere Informationen finden Sie auf unserer Website:"));
    table.insert(T(41, L"Zielverzeichnis auswählen"));
    table.insert(T(42, L"„%s“ geschrieben"));
    table.insert(T(43, L"Das Hörbuch wurde erfolgreich geteilt."));
    table.insert(T(44, L"Abbruch durch Benutzer!"));
    table.insert(T(45, L"Es ist ein Fehler aufgetreten: %s."));
    table.insert(T(46, L"Hörbuchdateien hinzufügen"));
    table.insert(T(47, L"Das Verzeichnis %s ist nicht leer. Vorhandene Dateien bei Bedarf überschreiben?"));
    table.insert(T(48, L"MP3-Dateien"));
    table.insert(T(49, L"Alle Dateien"));
    table.insert(T(50, L"%s hinzugefügt."));
    table.insert(T(51, L"%s entfernt."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"Minimale Kapitellänge auf %d Minuten geändert."));
    table.insert(T(56, L"Minimale Kapitellänge auf %d Sekunden geändert."));
    table.insert(T(57, L"%s wird geteilt ..."));
    table.insert(T(58, L"Wird geteilt ..."));
    table.insert(T(59, L"Bitte brechen Sie zuerst das Teilen ab."));
    table.insert(T(60, L"Möchten Sie das Programm wirklich beenden?"));
    table.insert(T(61, L"Basisname der Kapitel in „%s“ geändert."));
    table.insert(T(62, L"Unterstützen Sie uns mit einer Spende"));
    table.insert(T(67, L"Die Datei %s wurde nicht gefunden."));
    table.insert(T(68, L"Die Datei %s konnte nicht geöffnet werden."));
    table.insert(T(69, L"Das Verzeichnis %s wurde nicht gefunden."));
    table.insert(T(70, L"Das Verzeichnis %s konnte nicht geöffnet werden."));
    table.insert(T(71, L"Fehler beim Initialisieren des Audio-Decoders."));
    table.insert(T(72, L"Fehler beim Lesen der Datei."));
    table.insert(T(73, L"Fehler beim Schreiben der Datei."));
    table.insert(T(74, L"Fehler beim Öffnen der Datei."));
    table.insert(T(75, L"Die Audio-Eingabedatei ist beschädigt."));
    table.insert(T(76, L"Interner Fehler beim Teilen."));
    table.insert(T(77, L"Ein unerwarteter Fehler ist aufgetreten."));
    table.insert(T(78,
        L"Die automatische Pausenerkennung ist fehlgeschlagen. Bitte verringern Sie die "
        L"Mindestdauer einer Pause auf der Seite „Teilen“ oder prüfen Sie Ihre MP3-Quelldatei."));
    table.insert(T(79, L"Möchten Sie die Protokolldatei speichern?"));
    table.insert(T(80, L"Protokolldatei speichern"));
    table.insert(T(82, L"http://www.vellomar.de"));
    table.insert(T(83, L"http://www.vellomar.de"));
    table.insert(T(84, L"http://www.vellomar.de/spenden.html"));
    table.insert(T(87, L"Deutsche Übersetzung vom Vellomar-Team."));
    table.insert(T(90, L"Vellomar-Hilfe"));
    table.insert(T(91,
        L"<br><br>"
        L"<h4>Allgemeine Informationen</h4>"
        L"<p>Vellomar teilt lange MP3-Dateien, vor allem Hörbücher, in kürzere Dateien auf, ohne sie neu zu "
        L"kodieren; die Tonqualität bleibt dabei vollständig erhalten. Die Trennstellen findet das Programm "
        L"selbst: Es sucht nach der gewünschten Kapitellänge die nächste ausreichend lange Pause und teilt "
        L"dort, sodass kein Kapitel mitten in einem Wort beginnt oder endet.</p>"
        L"<p>Kürzere Dateien lassen sich auf tragbaren Abspielgeräten viel leichter ansteuern. Zu jedem "
        L"Hörbuch legt Vellomar auf Wunsch eine Wiedergabeliste an und versieht die Kapitel mit ID3-Tags. "
        L"Das Programm lässt sich vollständig mit der Tastatur bedienen und eignet sich für Screenreader "
        L"und Bildschirmlupen.</p>"
        L"<h4>Systemvoraussetzungen</h4>"
        L"<p>Vellomar benötigt ein aktuelles Betriebssystem mit grafischer Oberfläche und wenige Megabyte "
        L"Speicherplatz für das Programm selbst. Für die geteilten Dateien wird auf dem Zieldatenträger "
        L"etwa so viel freier Platz gebraucht, wie die Originaldateien belegen.</p>"
        L"<h4>Installation</h4>"
        L"<p>Installieren Sie Vellomar über die Paketverwaltung Ihres Systems oder mit dem "
        L"Installationsprogramm von unserer Website. Einstellungen früherer Versionen bleiben dabei "
        L"erhalten.</p>"
        L"<h4>Updates</h4>"
        L"<p>Neue Versionen und Hinweise zu Änderungen finden Sie auf der Website von Vellomar unter "
        L"<a href=\"http://www.vellomar.de\">http://www.vellomar.de</a>. Eine neue Version wird einfach "
        L"über die vorhandene installiert.</p>"
        L"<h4>Prinzipielle Vorgehensweise</h4>"
        L"<p>Stellen Sie zuerst die Dateien des Hörbuchs in der richtigen Reihenfolge zusammen, wählen Sie "
        L"dann die gewünschte Kapitellänge und passen Sie bei Bedarf die ID3-Tags an. Zum Schluss starten "
        L"Sie das Teilen und wählen das Zielverzeichnis aus.</p>"
        L"<h4>Hinzufügen von Dateien</h4>"
        L"<p>Klicken Sie auf <b>Dateien hinzufügen</b> und wählen Sie eine oder mehrere MP3-Dateien aus. "
        L"Sie können Dateien auch mit der Maus auf die Dateiliste ziehen. Die Reihenfolge der Liste ist "
        L"die Reihenfolge im Hörbuch; mit <b>Nach oben</b> und <b>Nach unten</b> lässt sie sich "
        L"ändern.</p>"
        L"<h4>Einstellen der minimalen Kapitellänge</h4>"
        L"<p>Mit dem Schieberegler <b>Kapitellänge</b> legen Sie fest, wie lang ein Kapitel mindestens "
        L"sein soll, zwischen 15 Sekunden und 80 Minuten. Vellomar teilt in der ersten ausreichend langen "
        L"Pause nach dieser Länge; ein Kapitel wird deshalb meist etwas länger als eingestellt.</p>"
        L"<h4>Anpassen der ID3 Tags</h4>"
        L"<p>Auf der Seite <b>ID3-Tag</b> bestimmen Sie, ob und in welcher Version die Kapitel ID3-Tags "
        L"erhalten, woraus Titel und Album gebildet werden und wo und in welchem Format die Kapitelnummer "
        L"steht. Ein Beispiel zeigt das Ergebnis sofort an.</p>"
        L"<h4>Trennen eines Hörbuchs</h4>"
        L"<p>Klicken Sie auf <b>Hörbuch teilen</b> und wählen Sie das Zielverzeichnis. Ein Fenster zeigt "
        L"den Fortschritt an; mit <b>Abbrechen</b> beenden Sie den Vorgang vorzeitig. Bereits geschriebene "
        L"Kapitel bleiben erhalten.</p>"
        L"<h4>Tastenbelegung</h4>"
        L"Dateien hinzufügen: Strg + O<br>"
        L"Markierte Datei entfernen: Entf<br>"
        L"Hörbuch trennen: Strg + S<br>"
        L"Trennen abbrechen: ESC<br>"
        L"Hilfe: F1<br>"
        L"Programm beenden: Alt + F4<br>"));
    table.insert(T(92,
        L"Ihre Hilfe wird benötigt:\nDie deutsche Übersetzung des Programms ist noch unvollständig.\n"
        L"Bitte wenden Sie sich an die Autoren und unterstützen Sie das Projekt."));
    table.insert(T(93, L"Voreinstellungen"));
    table.insert(T(94, L"Hörbuch"));
    table.insert(T(95, L"Podcast (kurze Pausen mit Hintergrundgeräuschen)"));
    table.insert(T(96, L"Zeitbasiert (exakte Teilung ohne Pausenerkennung)"));
    table.insert(T(97, L"Pausenbasiert (Teilung an jeder Pause)"));
    table.insert(T(98, L"Eigene Einstellungen"));
    table.insert(T(99, L"so kurz wie möglich"));
    table.insert(T(100, L"Teilungsoptionen"));
    table.insert(T(101, L"Pausenerkennung"));
    table.insert(T(102, L"In der Mitte einer Pause teilen"));
    table.insert(T(103, L"Definition einer Pause"));
    table.insert(T(104, L"Geräuschpegel"));
    table.insert(T(105, L"niedrig"));
    table.insert(T(106, L"mittel"));
    table.insert(T(107, L"hoch"));
    table.insert(T(108, L"automatisch"));
    table.insert(T(109, L"Mindestdauer"));
    table.insert(T(110, L"Vor und nach der Trennstelle zusätzliche Stille einfügen"));
    table.insert(T(111, L"Automatikmodus"));
    table.insert(T(112, L"Standardeinstellungen"));
    table.insert(T(113, L"Erstellungsoptionen"));
    table.insert(T(114, L"ID3-Tags erstellen"));
    table.insert(T(115, L"Version"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 und ID3v2.3"));
    table.insert(T(119, L"Inhalt"));
    table.insert(T(120, L"Titel aus dem Namen der Audiodatei erzeugen"));
    table.insert(T(121, L"Albumnamen aus dem Titel erzeugen"));
    table.insert(T(122, L"Titel"));
    table.insert(T(123, L"Album"));
    table.insert(T(124, L"Genre"));
    table.insert(T(125, L"Sprache"));
    table.insert(T(126, L"Hörbuch"));
    table.insert(T(127, L"Autor"));
    table.insert(T(128, L"Kommentar"));
    table.insert(T(129, L"Beispiel:"));
    table.insert(T(130, L"Position der Kapitelnummer"));
    table.insert(T(131, L"Kapitelnummer am Anfang des Titels einfügen"));
    table.insert(T(132, L"Kapitelnummer am Ende des Titels einfügen"));
    table.insert(T(133, L"Format der Kapitelnummer"));
    table.insert(T(134, L"ohne führende Nullen"));
    table.insert(T(135, L"2 Stellen"));
    table.insert(T(136, L"3 Stellen"));
    table.insert(T(137, L"4 Stellen"));
    table.insert(T(138, L"Allgemein"));
    table.insert(T(139, L"Sprache"));
    table.insert(T(140, L"Dateibehandlung"));
    table.insert(T(141, L"Verzeichnisbehandlung"));
    table.insert(T(142, L"Einstellungen speichern und Verzeichnisse merken"));
    table.insert(T(143, L"Dateien vor dem Teilen zusammenfügen"));
    table.insert(T(144, L"Dateien einzeln teilen"));
    table.insert(T(145, L"Wiedergabeliste erstellen"));
    table.insert(T(146, L"Im Zielordner automatisch ein Unterverzeichnis für die geteilten Dateien anlegen"));
    table.insert(T(147, L"Quellverzeichnis als Standardziel verwenden"));
    table.insert(T(148, L"Englisch"));
    table.insert(T(149, L"Deutsch"));
    table.insert(T(150, L"Spanisch"));
    table.insert(T(151, L"Französisch"));
    table.insert(T(152, L"Polnisch"));
    table.insert(T(153, L"Schwedisch"));
    table.insert(T(154, L"Portugiesisch"));
}

} // namespace loc
