#include "notes/NotesOfDay.h"
#include "notes/NoteMarksSource.h"
#include "notes/PeriodicNoteDays.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tp {
namespace {

class NotesOfDayTest : public ::testing::Test {
  protected:
    void put(const std::string& name, const std::string& windows1252) {
        std::ofstream(folder.path() / name, std::ios::binary) << windows1252;
        indexes = *readNoteIndexes(test::TestStore{}, folder.path());
    }
    std::string window(DayNumber day) const {
        return collectNotesOfDay(test::TestStore{}, folder.path(), indexes, day, "",
                                 NoteTextMode::Window);
    }
    std::string statusLine(DayNumber day) const {
        return noteStatusLine(test::TestStore{}, folder.path(), indexes, day, "");
    }

    test::TemporaryFolder folder;
    NoteIndexes indexes;
};

TEST_F(NotesOfDayTest, AllKindsInTheirOrderWithTheSeparatorOfEachPlace) {
    const DayNumber day = dayNumberOf(2016, 12, 24); // a Saturday, day number 17159
    put(dayNoteFileName(dateCodeOf(day)), "Tag\r\nzweite Zeile");
    put(periodicNoteFileNameFor(day, 7), "Woche");
    put(periodicNoteFileNameFor(day, 3), "Drei");
    put("1124.jnt", "Heiligabend");
    // The order of the names decides, not the order of writing.
    EXPECT_EQ(nthPeriodicNoteFile(indexes, day, 1), "5.3.tnt");
    EXPECT_EQ(nthPeriodicNoteFile(indexes, day, 2), "9.7.tnt");
    EXPECT_EQ(nthPeriodicNoteFile(indexes, day, 3), "");

    EXPECT_EQ(window(day), "Tag\r\nzweite Zeile\r\n\r\nDrei\r\n\r\nWoche\r\n\r\nHeiligabend");
    EXPECT_EQ(statusLine(day), "Tag\u00A0»\u00A0zweite Zeile\u00A0|\u00A0Drei\u00A0|\u00A0Woche"
                               "\u00A0|\u00A0Heiligabend");
    EXPECT_EQ(window(day + 1), "");

    const DayNoteMarks marks = noteMarksOfDay(indexes, day);
    EXPECT_TRUE(marks.dayNote);
    EXPECT_EQ(marks.periodicNotes, 2);
    EXPECT_TRUE(marks.yearlyNote);
    EXPECT_EQ(marks.weekdayMarks, 0);
}

TEST_F(NotesOfDayTest, PeriodicSeriesMatchEveryPeriodAndPeriodZeroNever) {
    put("1.1.tnt", "T\xE4glich");
    put("5.0.tnt", "nie");
    put("18.14.tnt", "Vierzehn");
    for (DayNumber day = 16980; day < 17030; ++day)
        EXPECT_EQ(periodicNotesOnDay(indexes, day), day % 14 == 4 ? 2 : 1) << day;
    EXPECT_TRUE(periodicNoteExists(indexes, 17000, 14));
    EXPECT_TRUE(periodicNoteExists(indexes, 16986, 14));
    EXPECT_FALSE(periodicNoteExists(indexes, 17001, 14));
    EXPECT_FALSE(periodicNoteExists(indexes, 17000, 7));
    EXPECT_EQ(window(17000), "Täglich\r\n\r\nVierzehn");
}

// The page's stepping answer agrees with the plain count, whatever order the days come in:
// forward day by day, in jumps longer than a period, backwards and before 1970.
TEST(PeriodicNoteDays, AgreesWithTheCountInAnyOrderOfDays) {
    const std::vector<PeriodicNoteEntry> entries{{5, 1},  {5, 0},   {17159, 7}, {17160, 3},
                                                 {-4, 6}, {-20, 9}, {40, 40},   {12000, 365}};
    const NoteIndexes indexes{{}, entries, {}, {}};
    PeriodicNoteDays periodic(indexes.periodicNotes);
    std::vector<DayNumber> days;
    for (DayNumber day = 17000; day < 17800; ++day)
        days.push_back(day);
    for (const DayNumber day : {20000, 20001, 300, 299, 0, -1, -2, -4, -30, 5, 17000, 17400, 40000})
        days.push_back(day);
    for (const DayNumber day : days)
        ASSERT_EQ(periodic.anyOn(day), periodicNotesOnDay(indexes, day) > 0) << day;
}

TEST_F(NotesOfDayTest, WeekdayNotesOfOneMonthAndOfEveryMonthBothShow) {
    put("11221.wmt", "jeden zweiten Dienstag");
    put("10421.wmt", "zweiter Dienstag im Mai");
    EXPECT_EQ(window(dayNumberOf(2016, 5, 10)),
              "zweiter Dienstag im Mai\r\n\r\njeden zweiten Dienstag");
    EXPECT_EQ(window(dayNumberOf(2016, 6, 14)), "jeden zweiten Dienstag");
    EXPECT_EQ(window(dayNumberOf(2016, 6, 7)), "");
    EXPECT_EQ(weekdayNoteMarks(indexes, dayNumberOf(2016, 6, 14)), 1);
}

TEST_F(NotesOfDayTest, FourthAndLastWeekdayCanCoincide) {
    const DayNumber february24 = dayNumberOf(2015, 2, 24); // fourth and last Tuesday
    put("11224.wmt", "letzter Dienstag");
    EXPECT_EQ(weekdayNoteMarks(indexes, february24), 2);
    put("10123.wmt", "vierter Dienstag im Februar");
    EXPECT_EQ(weekdayNoteMarks(indexes, february24), 3);
    EXPECT_EQ(window(february24), "vierter Dienstag im Februar\r\n\r\nletzter Dienstag");
    // In March the 24th is the fourth but not the last Tuesday.
    EXPECT_EQ(weekdayNoteMarks(indexes, dayNumberOf(2015, 3, 24)), 0);
    EXPECT_EQ(window(dayNumberOf(2015, 3, 31)), "letzter Dienstag");

    // The 30th is already the last Friday: found once, as an ordinary occurrence.
    put("11254.wmt", "letzter Freitag");
    EXPECT_EQ(weekdayNoteMarks(indexes, dayNumberOf(2015, 1, 30)), 1);
    EXPECT_EQ(window(dayNumberOf(2015, 1, 30)), "letzter Freitag");
}

TEST_F(NotesOfDayTest, PageMarksOfADay) {
    put("20150124.txt", "Tag");
    put("11224.wmt", "letzter Dienstag");
    const NoteMarksSource source(indexes);
    DayMarks marks;
    source.addMarks(dayNumberOf(2015, 2, 24), marks);
    EXPECT_TRUE(marks.dayNote);
    EXPECT_FALSE(marks.periodicNote);
    EXPECT_EQ(marks.weekdayNote, WeekdayNoteMark::Full);
    // A fourth and a last weekday note on one day share the mark's place.
    put("11223.wmt", "vierter Dienstag");
    source.addMarks(dayNumberOf(2015, 2, 24), marks);
    EXPECT_EQ(marks.weekdayNote, WeekdayNoteMark::Half);
    source.addMarks(dayNumberOf(2015, 2, 25), marks);
    EXPECT_FALSE(marks.dayNote);
    EXPECT_EQ(marks.weekdayNote, WeekdayNoteMark::None);
}

TEST_F(NotesOfDayTest, YearlyNotesFillInTheElapsedYears) {
    put("129.jnt", "Hochzeitstag <1990>");
    EXPECT_EQ(window(dayNumberOf(2016, 2, 29)), "Hochzeitstag 26");
    EXPECT_EQ(window(dayNumberOf(2015, 3, 1)), "");
    // Day notes keep their angle brackets.
    put("20160001.txt", "<1990>");
    EXPECT_EQ(window(dayNumberOf(2016, 1, 1)), "<1990>");
}

TEST(ExpandYearPlaceholders, StopsAtTheFirstAngleThatOpensNoPlaceholder) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"XY <1970>. Geburtstag", "XY 40. Geburtstag"},
        {"<1970> und <1970>", "40 und 40"},
        {"<1990> <2000>", "20 10"},
        {"<2015>", "-5"},
        {"<2010>", "0"},
        {"<abc> <1990>", "<abc> <1990>"},
        {"<> <1990>", "<> <1990>"},
        {"<19900> <1990>", "<19900> <1990>"},
        {"<01990> <1990>", "<01990> <1990>"},
        {"<0990> <1990>", "<0990> <1990>"}, // 990 is not written as "0990"
        {"<0990> <990>", "<0990> 1020"},    // ... but its plain form elsewhere is replaced
        {"a > b <1990", "a > b <1990"},
        {"kein Platzhalter", "kein Platzhalter"},
        {"<7>", "2003"},
    };
    for (const auto& [text, expanded] : cases)
        EXPECT_EQ(expandYearPlaceholders(text, 2010), expanded) << text;
}

TEST_F(NotesOfDayTest, EncipheredNotesAreReadWithThePassword) {
    const DayNumber day = dayNumberOf(2016, 1, 1);
    ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                              dayNoteFileName(dateCodeOf(day)), "Geheim € „x“", "Pass wort")
                    .ok);
    EXPECT_EQ(collectNotesOfDay(test::TestStore{}, folder.path(), indexes, day, "Pass wort",
                                NoteTextMode::Window),
              "Geheim € „x“");
    EXPECT_NE(collectNotesOfDay(test::TestStore{}, folder.path(), indexes, day, "Passwort",
                                NoteTextMode::Window),
              "Geheim € „x“");
}

} // namespace
} // namespace tp
