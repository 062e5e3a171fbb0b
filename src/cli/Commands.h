#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tp::cli {

// Exit status of a command line mistake: message on stderr, nothing on stdout.
inline constexpr int kUsageError = 2;
// Exit status when the output could not be written: one line on stderr.
inline constexpr int kWriteError = 1;
// Exit status when a server or the network failed: one German line on stderr.
inline constexpr int kServerError = 3;

// Exit status when a file could not be read or written (backup and restore).
inline constexpr int kReadWriteError = 3;

// Each command reads its arguments (after the command word) and returns the exit status.
int runDaysCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runAstroCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);
int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);
// `in` gives the password for --password-stdin.
int runNotesCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err);
int runNoteMarksCommand(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);
int runAccountsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);
int runYearlyCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);
int runIcsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runSupplementsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err);
// `in` gives the password for --password-stdin. Only where the CalDAV sync is built.
int runCalDavCalendarsCommand(const std::vector<std::string>& arguments, std::istream& in,
                              std::ostream& out, std::ostream& err);
int runCalDavSyncCommand(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err);
int runBackupCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);
int runRestoreCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);

// The whole command line without the program name.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace tp::cli
