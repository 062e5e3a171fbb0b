#include "cli/Commands.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

namespace tp::cli {

namespace {

constexpr const char* kHelpText =
    R"(turnoplaner-cli: Berichte des Schichtkalenders Turnoplaner

Aufruf:
  turnoplaner-cli days VON BIS [--type T] [--vacation-start MM-TT]
      Eine Zeile mit Tabulatoren je Tag von VON bis BIS (JJJJ-MM-TT, beide
      eingeschlossen, 1970-01-01 .. 2037-07-31): Datum, Tagesnummer, Wochentag,
      ISO-Woche, Ostersonntag, Feiertag, Name des Tages, Schulferien, die Dienste
      der Schichten unter dem Kalendertyp T (0..7, vorgegeben 0), die Schicht
      außerhalb des Wechsels, ausfallende Schichten und die Infozeile der
      Statusleiste. --vacation-start ist der früheste Beginn des Blockurlaubs
      (vorgegeben 04-25).
  turnoplaner-cli astro VON BIS [--lat GRAD] [--lon GRAD] [--tz STUNDEN] [--dst 0|1]
                                [--twilight 0|1|2]
      Eine Zeile mit Tabulatoren je Tag von VON bis BIS: das Datum und die
      Astronomiezeile der Statusleiste (Dämmerung, Sonne, Mond und die
      Ereignisse des Tages). Der Ort wird angegeben, wie die Einstellungen ihn
      speichern: --lat Nord positiv (vorgegeben 48.47), --lon WEST positiv
      (vorgegeben -12.52, also Ost), --tz Stunden östlich von Greenwich
      (vorgegeben 1), --dst Sommerzeit automatisch (vorgegeben 1), --twilight
      0 bürgerlich, 1 nautisch, 2 astronomisch (vorgegeben 0).
  turnoplaner-cli render DATUM [--type T] [--columns N] [--font NAME] [--size PT]
                         [--out DATEI.png|DATEI.pdf]
      Zeichnet die Seite, wie das Hauptfenster sie nach dem Start zeigt, mit dem
      Monat von DATUM zuerst und dem Cursor auf DATUM (Typ 5: der
      Halbjahres-Schichtplan), schreibt sie als PNG (vorgegeben page.png) und
      gibt die Einheiten und die Bildgröße als
      "unit_w=W unit_h=H width=PX height=PY" aus. N sind 6..24 Monatsspalten
      (vorgegeben 6); NAME und PT (Punkt) ersetzen die vorgegebene Schrift
      "System" 10. Eine DATEI auf .pdf erhält die Seite wie gedruckt: ein Blatt
      A4 quer auf Weiß.
  turnoplaner-cli notes DATUM --data ORDNER [--password-stdin] [--status-line]
      Die Notizen von DATUM, wie das Notizfenster sie zeigt, gelesen aus dem
      Datenordner ORDNER des Anwenders (darin ändert sich nichts): UTF-8 mit den
      CR-LF-Zeilenumbrüchen der Notizen, ohne angefügten Zeilenumbruch; nichts,
      wenn der Tag keine Notiz hat. --password-stdin liest das Notizpasswort aus
      der ersten Zeile der Standardeingabe; --status-line gibt stattdessen die
      Form der Statuszeile aus. Eine Notiz, die nicht gelesen werden kann, wird
      genannt (Status 2).
  turnoplaner-cli note-marks VON BIS --data ORDNER
      Eine Zeile mit Tabulatoren je Tag von VON bis BIS mit den Notizmarken der
      Seite: Tagesnotiz 0/1, die Zahl der periodischen Notizen, Jahresnotiz 0/1
      und die Marke der Wochentagsnotiz 0..3.
  turnoplaner-cli accounts --data ORDNER --today JJJJ-MM-TT [--type T]
                           [--vacation-start MM-TT] [--cycle N]
      Das Stunden- und das Urlaubsfeld der Statusleiste für den Anwender mit dem
      Datenordner ORDNER ("Minusstunden.dat", "Urlaubstage.dat",
      "Schichtmarkierung.dat") am Tag --today: "hours", der Text des Feldes und
      seine Farbe (black, darkred oder darkgreen), dann "vacation" und der Text
      des Feldes, durch Tabulatoren getrennt. Die Typen 6 und 7 führen keine
      Konten: beide Texte sind leer. N ist die Schichtfolge des Blockurlaubs
      (Einstellung "UrlaubZyklus", vorgegeben 0). In ORDNER wird nichts
      geschrieben.
  turnoplaner-cli yearly JAHR [--type T] [--target38 H] [--target40 H]
      Die Tabelle des Fensters "Jahresstunden" für JAHR (1968..2047) als UTF-8
      mit Tabulatoren: "Monat" und die Schichten, dann die zwölf Monate,
      "Summe", "Soll" und "Ist", wie das Fenster sie zeigt. H sind die
      Jahressollstunden (vorgegeben 1982.76 für die Systeme mit fünf Schichten,
      2088 für das Zweischichtsystem 2). Die Typen 6 und 7 haben keine Tabelle:
      es wird nichts ausgegeben.
  turnoplaner-cli ics VON BIS --crew SCHICHT [--type T] [--vacation-start MM-TT]
                      [--cycle N] [--data ORDNER] [--out DATEI]
      Die Dienste einer Schicht von VON bis BIS als iCalendar-Datei für
      Kalender-Apps (ohne --out auf die Standardausgabe): ein Termin je Dienst
      mit den Schichtzeiten des Werks in der Zeit von Europe/Berlin, der
      Blockurlaub als ein ganztägiger Termin. SCHICHT ist rot, blau, gelb, grün
      (oder gruen) oder braun unter den Typen 0..5 und A, B, C oder D unter den
      Typen 6 und 7. Mit dem Datenordner ORDNER des Anwenders ersetzen seine
      Schichtmarkierungen den Plan ihrer Tage, seine Kalenderbalken werden
      ganztägige Termine, und seine Grundschicht gilt, wenn --crew fehlt. N ist
      die Schichtfolge des Blockurlaubs wie bei accounts, angewandt auf das Jahr
      von VON. Ein neuer Export ergibt dieselben UIDs, so dass eine Kalender-App
      die Termine erneuert, statt sie doppelt anzulegen.
  turnoplaner-cli supplements VON BIS [--crew SCHICHT] [--type T]
                              [--vacation-start MM-TT] [--cycle N] [--data ORDNER]
                              [--by month|day] [--wage EURO]
      Die gearbeiteten Stunden der Schicht von VON bis BIS mit denen, die die
      Zuschläge für Nacht-, Sonntags- und Feiertagsarbeit tragen (Nacht 25 %,
      Nacht 40 %, Sonntag 50 %, Feiertag 125 %, Feiertag 150 %), aus den Diensten
      und Markierungen, die ics ausgibt, eine Zeile mit Tabulatoren je Monat
      (vorgegeben) oder Tag und eine Zeile "Summe"; ein Dienst zählt zu dem Tag,
      an dem er beginnt. Stunden haben zwei Nachkommastellen und ein Komma. EURO
      ist der Grundstundenlohn: eine letzte Spalte gibt die steuerfreien
      Zuschläge, der Lohn höchstens mit 50 Euro gerechnet. Die übrigen Optionen
      sind die von ics.
  turnoplaner-cli caldav-calendars --url URL --user NAME [--ca-file PEM]
                                   [--password-stdin]
      Die Kalender für Termine, die der Anwender NAME auf einem CalDAV-Server
      erreicht, je eine Zeile mit Tabulatoren: URL und Anzeigename. URL ist die
      Adresse des Servers (https://cloud.example.org) oder die volle URL eines
      Kalenders.
  turnoplaner-cli caldav-sync VON BIS --url KALENDER-URL --user NAME
                              [--crew SCHICHT] [--type T] [--vacation-start MM-TT]
                              [--cycle N] [--data ORDNER] [--alarm MIN]
                              [--ca-file PEM] [--password-stdin]
      Hält die Termine, die ics ausgibt (dieselben Optionen), im CalDAV-Kalender
      KALENDER-URL aktuell: fehlende werden angelegt, geänderte ersetzt und die
      eigenen Termine des Programms von VON bis BIS, die der Plan nicht mehr
      hat, gelöscht; Termine anderer bleiben unberührt. MIN Minuten vor jedem
      Dienst eine Erinnerung (0, vorgegeben: keine). Gibt "angelegt N, geändert
      N, gelöscht N, unverändert N" aus. PEM enthält die Zertifikate, denen statt
      denen des Systems vertraut wird (für einen Server mit eigenem
      Zertifikat). Das Passwort ist die erste Zeile der Standardeingabe mit
      --password-stdin, sonst der Eintrag des Servers in ~/.netrc; einfaches
      http:// wird nur zu diesem Computer zugelassen. Versagt der Server oder
      das Netz, steht eine Zeile auf der Standardfehlerausgabe, Status 3.
  turnoplaner-cli backup --data ORDNER --out DATEI.zip
      Schreibt eine Sicherung des Datenordners ORDNER des Anwenders in
      DATEI.zip: die Einstellungen, jede Notiz, die Markierungen, die Balken und
      beide Konten Byte für Byte, dazu ein Verzeichnis mit dem Anwender, der
      Zeit, der Programmversion und der SHA-256-Prüfsumme jeder Datei. Eine
      Datei, die nicht gelesen werden kann, lässt die Sicherung scheitern.
  turnoplaner-cli restore DATEI.zip --data ORDNER [--dry-run]
      Prüft die ganze Sicherung DATEI.zip und ersetzt dann die Datendateien in
      ORDNER durch ihre Dateien (für einen neuen Anwender wird ORDNER angelegt).
      Daten, die schon in ORDNER liegen, werden vorher neben DATEI.zip
      gesichert. --dry-run sagt nur, was getan würde.
      Beide geben eine Zeile auf der Standardfehlerausgabe aus, wenn sie
      scheitern: Status 2 für einen Fehler im Aufruf oder eine abgelehnte
      Sicherung, 3, wenn eine Datei nicht gelesen oder geschrieben werden konnte.
  turnoplaner-cli --help
      Dieser Text.

Fehler im Aufruf geben eine Zeile auf der Standardfehlerausgabe aus und enden mit
Status 2.
)";

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"days", runDaysCommand},
        {"astro", runAstroCommand},
        {"render", runRenderCommand},
        {"notes", [](const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) { return runNotesCommand(arguments, std::cin, out, err); }},
        {"note-marks", runNoteMarksCommand},
        {"accounts", runAccountsCommand},
        {"yearly", runYearlyCommand},
        {"ics", runIcsCommand},
        {"supplements", runSupplementsCommand},
#ifdef TURNOPLANER_HAVE_CALDAV
        {"caldav-calendars",
         [](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
             return runCalDavCalendarsCommand(arguments, std::cin, out, err);
         }},
        {"caldav-sync",
         [](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
             return runCalDavSyncCommand(arguments, std::cin, out, err);
         }},
#endif
        {"backup", runBackupCommand},
        {"restore", runRestoreCommand},
    };
    return table;
}

// A report cut short by a full disk or a closed pipe must not look like a whole one.
int writeReport(std::string_view report, std::ostream& out, std::ostream& err) {
    errno = 0;
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    out.flush();
    if (out)
        return 0;
    const int errorNumber = errno;
    err << "turnoplaner-cli: der Bericht konnte nicht geschrieben werden"
        << (errorNumber == EBADF ? std::string(": Die Standardausgabe ist geschlossen")
            : errorNumber != 0   ? std::string(": ") + systemErrorText(errorNumber)
                                 : std::string())
        << '\n';
    return kWriteError;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    if (arguments.empty()) {
        err << "turnoplaner-cli: kein Befehl angegeben; siehe turnoplaner-cli --help\n";
        return kUsageError;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help")
        return writeReport(kHelpText, out, err);
    const auto command = commands().find(arguments[0]);
    if (command == commands().end()) {
        err << "turnoplaner-cli: unbekannter Befehl '" << arguments[0]
            << "'; siehe turnoplaner-cli --help\n";
        return kUsageError;
    }
    // Nothing reaches stdout unless the command succeeds.
    std::ostringstream buffered;
    const int status = command->second(
        std::vector<std::string>(arguments.begin() + 1, arguments.end()), buffered, err);
    if (status != 0)
        return status;
    return writeReport(buffered.view(), out, err);
}

} // namespace tp::cli
