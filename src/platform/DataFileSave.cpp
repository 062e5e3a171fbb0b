#include "platform/DataFileSave.h"

#include "platform/AtomicFile.h"

#include <system_error>

namespace tp {

namespace {

std::string quotedName(const std::filesystem::path& path) {
    return "\"" + path.filename().string() + "\"";
}

} // namespace

SaveResult saveDataFile(const std::filesystem::path& path, std::string_view bytes, bool hidden) {
    if (bytes.empty()) {
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error)
            return {false, "Die Datei " + quotedName(path) +
                               " konnte nicht gelöscht werden: " + systemErrorText(error.value())};
        return {};
    }
    if (const WriteResult written = writeFileAtomically(path, bytes); !written)
        return {false, "Die Datei " + quotedName(path) +
                           " konnte nicht geschrieben werden: " + written.reason};
    if (hidden)
        setHiddenAttribute(path);
    return {};
}

SaveResult saveReadableDataFile(const std::filesystem::path& path, std::string_view bytes,
                                bool unreadableWhenLoaded) {
    if (unreadableWhenLoaded)
        return refusedUnreadableFile(path);
    return saveDataFile(path, bytes, true);
}

SaveResult refusedUnreadableFile(const std::filesystem::path& path) {
    return {false, "Die Datei " + quotedName(path) +
                       " konnte nicht gelesen werden und wird nicht überschrieben."};
}

} // namespace tp
