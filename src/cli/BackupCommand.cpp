#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DataFolderSession.h"
#include "platform/PathText.h"

#include <filesystem>

namespace tp::cli {

namespace {

namespace fs = std::filesystem;

int statusOf(const BackupOutcome& outcome) {
    return outcome.failure == BackupFailure::Refused ? kUsageError : kReadWriteError;
}

std::string countsText(const BackupCounts& counts) {
    return "Notizen " + std::to_string(counts.notes) + ", Schichtmarkierungen " +
           std::to_string(counts.shiftMarkings) + ", Kalendermarkierungen " +
           std::to_string(counts.calendarBars);
}

std::string namesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

int runBackupCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"data", "out"}, error);
    const std::string* data = parsed ? optionValue(*parsed, "data") : nullptr;
    const std::string* archive = parsed ? optionValue(*parsed, "out") : nullptr;
    if (!data || !archive || !parsed->positional.empty()) {
        err << "backup: Aufruf: turnoplaner-cli backup --data ORDNER --out DATEI.zip\n";
        return kUsageError;
    }
    std::error_code ignored;
    if (!fs::is_directory(pathOfText(*data), ignored)) {
        err << "backup: Der Datenordner \"" << *data << "\" ist kein Ordner.\n";
        return kUsageError;
    }
    DataFolderSession folder(pathOfText(*data));
    const BackupWritten written = folder.session.writeBackup(pathOfText(*archive));
    if (!written.ok()) {
        err << "backup: " << written.problem << '\n';
        return statusOf(written);
    }
    out << "Gesichert: " << written.files << " Dateien in " << *archive << '\n';
    return 0;
}

int runRestoreCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"data"}, {"dry-run"}, error);
    const std::string* data = parsed ? optionValue(*parsed, "data") : nullptr;
    if (!data || parsed->positional.size() != 1) {
        err << "restore: Aufruf: turnoplaner-cli restore DATEI.zip --data ORDNER [--dry-run]\n";
        return kUsageError;
    }
    const fs::path folderPath = pathOfText(*data);
    std::error_code ignored;
    if (fs::exists(folderPath, ignored) && !fs::is_directory(folderPath, ignored)) {
        err << "restore: Der Datenordner \"" << *data << "\" ist kein Ordner.\n";
        return kUsageError;
    }
    const bool dryRun = hasFlag(*parsed, "dry-run");
    DataFolderSession folder(folderPath);
    const RestoreDone done =
        folder.session.restoreBackup(pathOfText(parsed->positional[0]), dryRun);
    if (!done.ok()) {
        err << "restore: " << done.problem << '\n';
        return statusOf(done);
    }
    const std::string verb = dryRun ? "Würde wiederherstellen: " : "Wiederhergestellt: ";
    out << verb << done.restoredFiles << " Dateien (" << countsText(done.counts)
        << ") aus der Sicherung von " << done.manifest.userName << " vom " << done.manifest.time
        << '\n';
    if (!done.removedFiles.empty())
        out << (dryRun ? "Würde entfernen: " : "Entfernt: ") << namesText(done.removedFiles)
            << '\n';
    if (!done.undoArchive.empty())
        out << (dryRun ? "Würde die bisherigen Daten vorher sichern in: "
                       : "Die bisherigen Daten sind gesichert in: ")
            << pathText(done.undoArchive) << '\n';
    return 0;
}

} // namespace tp::cli
