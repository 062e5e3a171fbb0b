#include "shell/qt/CommandTable.h"

#include "shell/CommandRules.h"

#include <algorithm>

namespace tp {

namespace {

using enum Command;

constexpr QKeyCombination kKeypadPlus = Qt::KeypadModifier | Qt::Key_Plus;
constexpr QKeyCombination kKeypadMinus = Qt::KeypadModifier | Qt::Key_Minus;

constexpr std::array<CommandEntry, kCommandCount> kCommands{{
    {.command = Quit, .keys = {Qt::Key_Escape}, .help = "'Esc'  Programm beenden"},
    {.command = YearBack,
     .keys = {Qt::Key_F1},
     .button = CommandButton{Gadget::YearBack, "<Jahr", "[F1] Ein Jahr zurück"},
     .help = "'F1'  Ein Jahr zurück"},
    {.command = MonthBack,
     .keys = {Qt::Key_F2},
     .button = CommandButton{Gadget::MonthBack, "<Monat", "[F2] Einen Monat zurück"},
     .columns = ColumnNeed::Columns,
     .help = "'F2'  Einen Monat zurück"},
    {.command = MonthForward,
     .keys = {Qt::Key_F3},
     .button = CommandButton{Gadget::MonthForward, "Monat>", "[F3] Einen Monat vor"},
     .columns = ColumnNeed::Columns,
     .help = "'F3'  Einen Monat vor"},
    {.command = YearForward,
     .keys = {Qt::Key_F4},
     .button = CommandButton{Gadget::YearForward, "Jahr>", "[F4] Ein Jahr vor"},
     .help = "'F4'  Ein Jahr vor"},
    {.command = PageBack,
     .keys = {Qt::Key_F5, Qt::Key_PageUp},
     .button = CommandButton{Gadget::PageBack, "<Seite", "[F5] Eine Seite zurück"},
     .help = "'F5' oder 'Bild auf'  Eine Seite zurück"},
    {.command = Today,
     .keys = {Qt::Key_F6, Qt::Key_Home},
     .button = CommandButton{Gadget::Today, "Heute", "[F6] Setzt den Kursor auf den heutigen Tag"},
     .help = "'F6' oder 'Pos1'  Der Kursor springt auf den heutigen Tag"},
    {.command = PageForward,
     .keys = {Qt::Key_F7, Qt::Key_PageDown},
     .button = CommandButton{Gadget::PageForward, "Seite>", "[F7] Eine Seite vor"},
     .help = "'F7' oder 'Bild ab'  Eine Seite vor"},
    {.command = DateEntry,
     .keys = {Qt::Key_F8, Qt::Key_D},
     .button = CommandButton{Gadget::Date, "Datum", "[F8] Direkte Eingabe eines Datums"},
     .help = "'F8' oder 'D'  Direkte Eingabe eines Datums"},
    {.command = NoteMenu,
     .keys = {Qt::Key_F9},
     .button = CommandButton{Gadget::Note, "Notiz", "[F9] Tagesnotiz eingeben"},
     .columns = ColumnNeed::Columns,
     .help = "'F9'  Menü 'Notiz'"},
    {.command = ProgramMenu,
     .keys = {Qt::Key_F10},
     .button = CommandButton{Gadget::ProgramMenu, "Prog.", "[F10] Unterprogramme auswählen"},
     .help = "'F10'  Menü 'Prog.' zur Auswahl der Unterprogramme"},
    {.command = LogIn,
     .keys = {Qt::Key_F11, Qt::Key_A},
     .button = CommandButton{Gadget::User, "Name", "[F11] Als neuer Anwender anmelden"},
     .help = "'F11' oder 'A'  Als neuer Anwender anmelden"},
    {.command = InfoWindow,
     .keys = {Qt::Key_F12},
     .button =
         CommandButton{Gadget::Info, "Info", "[F12] Verschiedene Infos zum Kalender und Programm"},
     .help = "'F12'  Fenster 'Info' mit Feiertagen, Schulferien, Jahresstunden und den "
             "Infotexten"},
    {.command = MoreColumns,
     .keys = {kKeypadPlus},
     .button = CommandButton{Gadget::MoreColumns, "+", "[+] Mehr Monate anzeigen"},
     .columns = ColumnNeed::ButtonOnly,
     .help = "'+' und '-' auf dem Ziffernblock  Mehr oder weniger Monate anzeigen (6 bis 24 "
             "Monate)"},
    {.command = FewerColumns,
     .keys = {kKeypadMinus},
     .button = CommandButton{Gadget::FewerColumns, "-", "[-] Weniger Monate anzeigen"},
     .columns = ColumnNeed::ButtonOnly},
    {.command = CursorRight,
     .keys = {Qt::Key_Right},
     .columns = ColumnNeed::Columns,
     .help = "Pfeiltasten  Den Kursor um einen Tag oder einen Monat verschieben\n"
             "(Nicht beim Schichtplan Wendring Standard, ebenso wie 'F2', 'F3', 'H' und das Menü "
             "'Notiz'.)"},
    {.command = CursorLeft, .keys = {Qt::Key_Left}, .columns = ColumnNeed::Columns},
    {.command = CursorUp, .keys = {Qt::Key_Up}, .columns = ColumnNeed::Columns},
    {.command = CursorDown, .keys = {Qt::Key_Down}, .columns = ColumnNeed::Columns},

    {.command = DayNote,
     .keys = {Qt::Key_T},
     .noteMenu = NoteMenuAction::DayNote,
     .helpHeading = "Notizen und Markierungen:",
     .help = "'T'  Tagesnotiz"},
    {.command = PeriodicNote,
     .keys = {Qt::Key_P},
     .noteMenu = NoteMenuAction::PeriodicNote,
     .help = "'P'  Periodische Notiz"},
    {.command = YearlyNote,
     .keys = {Qt::Key_J},
     .noteMenu = NoteMenuAction::YearlyNote,
     .help = "'J'  Jährliche Notiz"},
    {.command = WeekdayNote,
     .keys = {Qt::Key_W},
     .noteMenu = NoteMenuAction::WeekdayNote,
     .help = "'W'  Wochentag im Monat"},
    {.command = CalendarBar,
     .keys = {Qt::Key_K},
     .noteMenu = NoteMenuAction::CalendarBar,
     .help = "'K'  Kalendermarkierung"},
    // The keys 1, 2, 3 mark the shift columns 2, 3, 4; the key 4 the first column.
    {.command = ShiftMarkingColumn1,
     .keys = {Qt::Key_4},
     .help = "'1', '2', '3', '4'  Schichtmarkierung für Früh-, Spät-, Nachtschicht und "
             "Verfügungswoche"},
    {.command = ShiftMarkingColumn2, .keys = {Qt::Key_1}},
    {.command = ShiftMarkingColumn3, .keys = {Qt::Key_2}},
    {.command = ShiftMarkingColumn4, .keys = {Qt::Key_3}},
    {.command = ShiftMarkingChoice, .noteMenu = NoteMenuAction::ShiftMarking},
    {.command = DeleteNotesAndMarkings,
     .keys = {Qt::Key_L},
     .noteMenu = NoteMenuAction::BulkDeletion,
     .help = "'L'  Notizen und Markierungen löschen"},
    {.command = NotesOverview,
     .keys = {Qt::Key_U},
     .noteMenu = NoteMenuAction::Overview,
     .help = "'U'  Übersicht der Notizen für die angezeigten Monate"},
    {.command = NotesHelp, .noteMenu = NoteMenuAction::Info},

    {.command = CalendarChoice,
     .menu = ProgramMenuEntry{"Kalender", "Wähle die Art des Turnoplaners", Qt::Key_K}},
    {.command = DataFolder,
     .menu = ProgramMenuEntry{"Verzeichnis", "Ein neues Programmverzeichnis wählen", Qt::Key_V}},
    {.command = ProgramInfo,
     .keys = {Qt::Key_I},
     .helpHeading = "Sonstiges:",
     .help = "'I'  Programminfo"},
    {.command = Font,
     .keys = {Qt::Key_S},
     .menu = ProgramMenuEntry{"Schriftart", "Neue Schriftart wählen", Qt::Key_S},
     .help = "'S'  Schriftart wählen"},
    {.command = BackgroundColour,
     .keys = {Qt::Key_H},
     .menu =
         ProgramMenuEntry{"Hintergrundfarbe",
                          "Hintergrundfarbe zum Ausdrucken einer Bilschirmkopie ändern", Qt::Key_H},
     .columns = ColumnNeed::Columns,
     .help = "'H'  Hintergrundfarbe wählen"},
    {.command = ProgramMenuHelp,
     .menu = ProgramMenuEntry{"Info", "Informationstext zur Programmbedienung", Qt::Key_I}},
    {.command = Settings,
     .keys = {Qt::Key_E},
     .menu = ProgramMenuEntry{"Einstellungen", "Ändern der Programmeinstellungen", Qt::Key_E},
     .help = "'E'  Programmeinstellungen"},
    {.command = HoursEntry,
     .menu = ProgramMenuEntry{"Stunden", "Eingabe der Minus- bzw. Plusstunden", Qt::Key_P}},
    {.command = VacationEntry,
     .menu = ProgramMenuEntry{"Urlaub", "Eingabe des Resturlaubs", Qt::Key_U}},
    // Printing and the export came after the key help, which keeps its wording; the "Info"
    // window names their keys.
    {.command = CalendarExport,
     .keys = {Qt::ControlModifier | Qt::Key_E},
     .menu =
         ProgramMenuEntry{"Export", "Die Schichten als Kalenderdatei für Kalender-Apps speichern",
                          Qt::Key_X}},
    {.command = Backup,
     .keys = {Qt::ControlModifier | Qt::Key_S},
     .menu = ProgramMenuEntry{"Sicherung", "Die Daten sichern und wiederherstellen", Qt::Key_C}},
    {.command = CalendarSync,
     .keys = {Qt::ControlModifier | Qt::Key_K},
     .menu = ProgramMenuEntry{"Abgleich", "Die Schichten mit einem Kalender im Netz abgleichen",
                              Qt::Key_A}},
    {.command = Supplements,
     .keys = {Qt::Key_G},
     .menu = ProgramMenuEntry{"Zuschläge", "Nacht-, Sonntags- und Feiertagsstunden des Monats",
                              Qt::Key_Z},
     .help = "'G'  Zuschläge des Monats"},
    {.command = CopyPage,
     .keys = {Qt::Key_Z},
     .help = "'Z'  Den Kalender in die Zwischenablage kopieren (rechte Maustaste: mit Rückfrage)"},
    {.command = Print, .keys = {Qt::ControlModifier | Qt::Key_P}},

    {.command = CalendarWerk,
     .keys = {Qt::Key_M},
     .helpHeading = "Kalender:",
     .help = "'M'  Wendring Werk, noch einmal 'M': Werk mit 2er Block"},
    {.command = CalendarPm1,
     .keys = {Qt::Key_N},
     .help = "'N'  Wendring PM 1, noch einmal 'N': PM 1 mit 2er Block"},
    {.command = CalendarTwoShift, .keys = {Qt::Key_B}, .help = "'B'  Wendring Zweischicht"},
    {.command = CalendarValdor, .keys = {Qt::Key_V}, .help = "'V'  Valdor Halmstett"},
    {.command = CalendarBrelling, .keys = {Qt::Key_C}, .help = "'C'  Brelling Karton"},
    {.command = CalendarSheet,
     .keys = {Qt::Key_X},
     .help = "'X'  Wendring Standard als Schichtplan für ein halbes Jahr"},

    {.command = RotateVacationCycle,
     .keys = {Qt::Key_Y},
     .helpHeading = "Urlaubsblock:",
     .help = "'Y'  Die Reihenfolge der Schichten im Urlaubsblock einmal weiterschalten"},
    {.command = EarliestVacationStart, .keys = {Qt::Key_F}, .help = "'F'  Frühester Urlaubsbeginn"},
    {.command = VacationBlock,
     .button = CommandButton{Gadget::VacationBlockToggle, "UB",
                             "Urlaubsblockanzeige ein- und ausschalten"}},
}};

constexpr bool inCommandOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].command != static_cast<Command>(i))
            return false;
    return true;
}
static_assert(inCommandOrder(), "the table holds one entry per command, in their order");

constexpr std::string_view kKeyHelpIntro =
    "Das Programm ist fast vollständig mit der Tastatur bedienbar. Die Tastenbelegung ist wie "
    "folgt:\n";
constexpr std::string_view kKeyHelpMouse =
    "\n\nMit der Maus setzt ein Klick auf einen Tag den Kursor, ein Doppelklick in eine "
    "Schichtspalte\nöffnet die Schichtmarkierung.";

bool hasKey(QKeyCombination key) {
    return key.key() != Qt::Key_unknown;
}

} // namespace

std::span<const CommandEntry> commandTable() {
    return kCommands;
}

const CommandEntry& commandEntry(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}

std::vector<QKeyCombination> keysOf(const CommandEntry& entry) {
    std::vector<QKeyCombination> keys;
    std::copy_if(entry.keys.begin(), entry.keys.end(), std::back_inserter(keys), hasKey);
    return keys;
}

std::optional<Command> commandOfKey(QKeyCombination key) {
    for (const CommandEntry& entry : kCommands)
        if (hasKey(key) && std::ranges::count(entry.keys, key) > 0)
            return entry.command;
    return std::nullopt;
}

std::optional<Command> commandOfButton(Gadget gadget) {
    for (const CommandEntry& entry : kCommands)
        if (entry.button && entry.button->gadget == gadget)
            return entry.command;
    return std::nullopt;
}

std::optional<Command> commandOfNoteMenu(NoteMenuAction action) {
    for (const CommandEntry& entry : kCommands)
        if (entry.noteMenu == action)
            return entry.command;
    return std::nullopt;
}

bool commandRunsUnder(Command command, CalendarType type) {
    return commandEntry(command).columns != ColumnNeed::Columns || showsMonthColumns(type);
}

bool buttonWorksUnder(Command command, CalendarType type) {
    return commandEntry(command).columns == ColumnNeed::None || showsMonthColumns(type);
}

QString keyHelpText() {
    std::string text(kKeyHelpIntro);
    for (const CommandEntry& entry : kCommands) {
        if (!entry.helpHeading.empty())
            text.append("\n\n").append(entry.helpHeading);
        if (!entry.help.empty())
            text.append("\n").append(entry.help);
    }
    text += kKeyHelpMouse;
    return QString::fromStdString(text);
}

} // namespace tp
