#pragma once

#include "platform/UserFileStore.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

// The markings and the bars are each kept whole in one hidden file of fixed-size records.

// Far beyond a record for every day of the calendar (about 150 KB of markings).
inline constexpr std::uintmax_t kLargestMarkingFile = 4u << 20;

// The list stored in `file` in records of `recordSize` bytes; a missing or unreadable file
// gives an empty one. Records the list could not take (a broken last one too) are told to the
// store, which keeps the file as read before it is written without them.
template <typename List>
List loadMarkingFile(UserFileStore& store, const std::filesystem::path& file,
                     List (*fromBytes)(std::string_view), std::size_t recordSize,
                     std::size_t (*keptRecords)(const List&)) {
    DataFileBytes read = store.read(file, kLargestMarkingFile);
    List list = fromBytes(read.bytes);
    const std::size_t records = (read.bytes.size() + recordSize - 1) / recordSize;
    const std::size_t kept = std::min(keptRecords(list), records);
    store.noteSkippedRecords(file, std::move(read.bytes), static_cast<int>(records - kept));
    return list;
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
