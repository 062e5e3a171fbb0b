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
    R"(turnoplaner-cli: reports of the Turnoplaner shift calendar

Usage:
  turnoplaner-cli days FROM TO [--type T] [--vacation-start MM-DD]
      One tab-separated row per day from FROM to TO (YYYY-MM-DD, both included,
      1970-01-01 .. 2037-07-31): date, day number, weekday, ISO week, Easter Sunday,
      public holiday, name of the day, school holiday, crew duties under calendar
      type T (0..7, default 0), crew outside the rotation, cancelled shifts and the
      info line of the status panel. --vacation-start is the earliest start of the
      block vacation (default 04-25).
  turnoplaner-cli astro FROM TO [--lat DEG] [--lon DEG] [--tz HOURS] [--dst 0|1]
                                [--twilight 0|1|2]
      One tab-separated row per day from FROM to TO: the date and the astronomy
      line of the status panel (twilight, Sun, Moon and the day's events). The
      place is given as stored in the settings: --lat north positive (default
      48.47), --lon WEST positive (default -12.52, that is east), --tz hours east
      of Greenwich (default 1), --dst automatic summer time (default 1),
      --twilight 0 civil, 1 nautical, 2 astronomical (default 0).
  turnoplaner-cli render DATE [--type T] [--columns N] [--font NAME] [--size PT]
                         [--out FILE.png|FILE.pdf]
      Draws the page as the main window shows it after start-up with DATE's month
      first and the cursor on DATE (type 5: the half-year shift plan sheet), writes
      it as PNG (default page.png) and prints the units and the image size as
      "unit_w=W unit_h=H width=PX height=PY". N is 6..24 month columns (default 6);
      NAME and PT (points) replace the default font "System" 10. A FILE ending in
      .pdf gets the page as printed: one A4 landscape sheet on white.
  turnoplaner-cli notes DATE --data DIR [--password-stdin] [--status-line]
      The notes of DATE as the notes window shows them, read from the user's data
      folder DIR (nothing in it changes): UTF-8 with the notes' CR LF line breaks,
      no newline added; nothing when the day has no note. --password-stdin reads
      the note password from the first line of standard input; --status-line
      prints the form of the status line instead.
  turnoplaner-cli note-marks FROM TO --data DIR
      One tab-separated row per day from FROM to TO with the note marks of the
      page: day note 0/1, the number of periodic notes, yearly note 0/1 and the
      weekday-in-month mark 0..3.
  turnoplaner-cli accounts --data DIR --today YYYY-MM-DD [--type T]
                           [--vacation-start MM-DD] [--cycle N]
      The hours and the vacation field of the status panel for the user whose
      data folder is DIR ("Minusstunden.dat", "Urlaubstage.dat",
      "Schichtmarkierung.dat") on the day --today: "hours", the field's text
      and its colour (black, darkred or darkgreen), then "vacation" and the
      field's text, tab-separated. Types 6 and 7 keep no accounts: both texts
      are empty. N is the crew order of the vacation block (setting
      "UrlaubZyklus", default 0). Nothing in DIR is written.
  turnoplaner-cli yearly YEAR [--type T] [--target38 H] [--target40 H]
      The table of the window "Jahresstunden" for YEAR (1968..2047) as
      tab-separated UTF-8: "Monat" and the crews, then the twelve months,
      "Summe", "Soll" and "Ist" as the window shows them. H are the yearly
      target hours (default 1982.76 for the five-crew systems, 2088 for the
      two-shift system 2). Types 6 and 7 have no table: nothing is printed.
  turnoplaner-cli ics FROM TO --crew CREW [--type T] [--vacation-start MM-DD]
                      [--cycle N] [--data DIR] [--out FILE]
      The shifts of one crew from FROM to TO as an iCalendar file for calendar
      apps (to standard output without --out): one event per shift with the
      plant's shift times in Europe/Berlin time, the block vacation as one
      all-day event. CREW is rot, blau, gelb, grün (or gruen) or braun under
      types 0..5 and A, B, C or D under types 6 and 7. With the user's data
      folder DIR its shift markings replace the plan of their days, its calendar
      bars become all-day events, and its base crew is taken when --crew is left
      out. N is the crew order of the vacation block as for accounts, applied
      to the year of FROM. Exporting again gives the same event UIDs, so a
      calendar app updates the events instead of adding them twice.
  turnoplaner-cli supplements FROM TO [--crew CREW] [--type T]
                              [--vacation-start MM-DD] [--cycle N] [--data DIR]
                              [--by month|day] [--wage EUR]
      The crew's worked hours from FROM to TO with those that carry the
      supplements for night, Sunday and holiday work (Nacht 25 %, Nacht 40 %,
      Sonntag 50 %, Feiertag 125 %, Feiertag 150 %), from the shifts and markings
      ics exports, one tab-separated row per month (default) or day and a row
      "Summe"; a shift counts to the day it begins on. Hours have two decimals
      and a decimal comma. EUR is the hourly base wage: a last column gives the
      tax-free supplements, the wage counted at most 50 euros. The other
      options are those of ics.
  turnoplaner-cli backup --data DIR --out FILE.zip
      Writes a backup of the user's data folder DIR into FILE.zip: the settings,
      every note, the markings, the bars and both accounts byte for byte, and a
      manifest with the user, the time, the program version and the SHA-256 of
      every file. A file that cannot be read makes the backup fail.
  turnoplaner-cli restore FILE.zip --data DIR [--dry-run]
      Checks the whole backup FILE.zip, then replaces the data files in DIR with
      its files (DIR is made for a new user). Data already in DIR are first
      backed up beside FILE.zip. --dry-run only says what would be done.
      Both print one German line on stderr when they fail: status 2 for a
      mistake in the command line or a refused backup, 3 when a file could not
      be read or written.
  turnoplaner-cli --help
      This text.

Mistakes in the command line print one line on stderr and exit with status 2.
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
    err << "turnoplaner-cli: the report could not be written"
        << (errorNumber != 0 ? std::string(": ") + systemErrorText(errorNumber) : std::string())
        << '\n';
    return kWriteError;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    if (arguments.empty()) {
        err << "turnoplaner-cli: no command given; see turnoplaner-cli --help\n";
        return kUsageError;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help")
        return writeReport(kHelpText, out, err);
    const auto command = commands().find(arguments[0]);
    if (command == commands().end()) {
        err << "turnoplaner-cli: unknown command '" << arguments[0]
            << "'; see turnoplaner-cli --help\n";
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
