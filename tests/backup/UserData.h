#pragma once

#include "accounts/AccountFiles.h"
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "notes/NoteFiles.h"
#include "support/TestStore.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tp::test {

// A user's data folder with notes of all four kinds, markings, bars, both accounts and the
// settings, besides the lock, a temporary file of an interrupted save and a foreign file.
inline void fillUserData(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    TestStore store;
    NoteIndexes indexes;
    const auto note = [&](NoteKind kind, const std::string& name, const std::string& text) {
        ASSERT_TRUE(writeNoteFile(store, folder, indexes, kind, name, text, "").ok);
    };
    note(NoteKind::Day, "20150124.txt", "Zahnarzt\r\n10 Uhr");
    note(NoteKind::Day, "20150301.txt", "Urlaub");
    note(NoteKind::Yearly, "124.jnt", "Anna <1980>. Geburtstag");
    note(NoteKind::Periodic, "26.14.tnt", "Müll");
    note(NoteKind::WeekdayInMonth, "11224.wmt", "letzter Dienstag");
    ShiftMarkingList markings({{16490, 1, 2}, {16495, 2, 3}, {16500, 3, 1}});
    ASSERT_TRUE(saveShiftMarkings(store, folder, markings).ok);
    CalendarBarList bars({{16480, 16490, 0x0000FF}, {16500, 16510, 0x00FF00}});
    ASSERT_TRUE(saveCalendarBars(store, folder, bars).ok);
    ASSERT_TRUE(saveHoursAccount(store, folder, {16436, 12.5f, false, 1, false}).ok);
    ASSERT_TRUE(saveVacationAccount(store, folder, {16436, 30}).ok);
    std::ofstream(folder / "Einstellungen.dat", std::ios::binary) << "[Anwender]\r\nName=Anna\r\n";
    std::ofstream(folder / "TPSperre.lck", std::ios::binary) << "";
    std::ofstream(folder / "Urlaubstage.dat.0123456789abcdef.neu", std::ios::binary) << "halb";
    std::ofstream(folder / "Einkaufsliste.doc", std::ios::binary) << "Milch";
}

// The names fillUserData gives that are no data files.
inline bool isForeignTestFile(const std::string& name) {
    return name == "TPSperre.lck" || name == "Urlaubstage.dat.0123456789abcdef.neu" ||
           name == "Einkaufsliste.doc";
}

} // namespace tp::test
