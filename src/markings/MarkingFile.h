#pragma once

#include "platform/UserFileStore.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

// The markings and the bars are each kept whole in one hidden file of fixed-size records.

// Far beyond a record for every day of the calendar (about 150 KB of markings).
inline constexpr std::uintmax_t kLargestMarkingFile = 4u << 20;

// The list stored in `file`; a missing or unreadable file gives an empty one.
template <typename List>
List loadMarkingFile(UserFileStore& store, const std::filesystem::path& file,
                     List (*fromBytes)(std::string_view)) {
    return fromBytes(store.read(file, kLargestMarkingFile).bytes);
}

// Writes `list` into `file` (deletes it when the list is empty) and clears the changed flag.
template <typename List>
SaveResult saveMarkingFile(UserFileStore& store, const std::filesystem::path& file, List& list,
                           std::string (*bytesOf)(const List&)) {
    SaveResult result = store.save(file, bytesOf(list), true);
    if (result.ok)
        list.changed = false;
    return result;
}

} // namespace tp
