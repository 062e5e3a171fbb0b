#include "notes/NoteNames.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(NoteNames, EachKindNamesItsDayWithTheZeroBasedMonth) {
    EXPECT_EQ(dayNoteFileName(dateCodeOf(CivilDate{2016, 12, 24})), "20161124.txt");
    EXPECT_EQ(dayNoteFileName(dateCodeOf(CivilDate{2017, 1, 1})), "20170001.txt");
    EXPECT_EQ(dayNoteFileName(dateCodeOf(dayNumberOf(2037, 7, 31))), "20370631.txt");
    EXPECT_EQ(dayNoteFileName(dateCodeOf(CivilDate{2016, 3, 31})), "20160231.txt");

    EXPECT_EQ(yearlyNoteFileName(yearlyCodeOf({2000, 1, 1})), "1.jnt");
    EXPECT_EQ(yearlyNoteFileName(yearlyCodeOf({2000, 2, 29})), "129.jnt");
    EXPECT_EQ(yearlyNoteFileName(yearlyCodeOf({2000, 12, 31})), "1131.jnt");

    EXPECT_EQ(weekdayNoteFileName(weekdayNoteCode({kEveryMonth, Weekday::Friday, kLastOccurrence})),
              "11254.wmt");
    EXPECT_EQ(weekdayNoteFileName(weekdayNoteCode({3, Weekday::Monday, 1})), "10211.wmt");
    EXPECT_EQ(weekdayNoteFileName(weekdayNoteCode({1, Weekday::Sunday, 0})), "10000.wmt");
    for (const int code : {10000, 10211, 11264, 11254, 11100})
        EXPECT_EQ(weekdayNoteCode(weekdayNoteRuleOfCode(code)), code);
}

TEST(NoteNames, PeriodicSeriesHasOneFileWhicheverDayItIsEditedFrom) {
    for (const DayNumber day : {17000, 17014, 16986, 18})
        EXPECT_EQ(periodicNoteFileNameFor(day, 14), "18.14.tnt") << day;
    EXPECT_EQ(periodicNoteFileNameFor(17001, 14), "19.14.tnt");
    EXPECT_EQ(periodicNoteFileNameFor(0, 7), "7.7.tnt");
    EXPECT_EQ(periodicNoteFileNameFor(5, 1), "1.1.tnt");
}

TEST(NoteNames, OccurrenceDividesBySevenPointOne) {
    const int expected[32] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2,
                              2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4};
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(occurrenceOfDay(day), expected[day]) << day;
}

TEST(NoteNames, LeadingNumberReadsLikeTheUsualDecimalReading) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"20161124", 20161124},
        {"  42x", 42},
        {"+7", 7},
        {"-56", -56},
        {"", 0},
        {"abc", 0},
        {"1 2", 1},
        {"99999999999", 2147483647},
        {"-", 0},
        {"\t9", 9},
        {"0042", 42},
        {"-99999999999", -2147483648LL},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << text;
}

TEST(NoteNames, ListedNamesGiveTheirIndexValueOrNone) {
    using Code = std::optional<std::int32_t>;
    const std::pair<std::string_view, Code> dayNames[] = {
        {"20161124.txt", 20161124},
        {"20161124 - Kopie.txt", 20161124}, // a copy still marks its day
        {"19700001.txt", 19700001},
        {"19700000.txt", std::nullopt},
        {"20381131.txt", 20381131},
        {"20381132.txt", std::nullopt},
        {"abc.txt", std::nullopt},
        {"201611245.txt", 20161124}, // only eight characters count
    };
    for (const auto& [name, code] : dayNames)
        EXPECT_EQ(dayNoteCodeOfName(name), code) << name;

    const std::pair<std::string_view, Code> yearlyNames[] = {
        {"1.jnt", 1},
        {"1131.jnt", 1131},
        {"0.jnt", std::nullopt},
        {"1132.jnt", std::nullopt},
        {"129 Geburtstag.jnt", 129},
        {"x.jnt", std::nullopt},
    };
    for (const auto& [name, code] : yearlyNames)
        EXPECT_EQ(yearlyCodeOfName(name), code) << name;

    const std::pair<std::string_view, Code> weekdayNames[] = {
        {"11254.wmt", 11254}, {"99999.wmt", 99999}, {"abc.wmt", 0}, {".wmt", 0}};
    for (const auto& [name, code] : weekdayNames)
        EXPECT_EQ(weekdayCodeOfName(name), code) << name;

    using Entry = std::optional<PeriodicNoteEntry>;
    const std::pair<std::string_view, Entry> periodicNames[] = {
        {"18.14.tnt", PeriodicNoteEntry{18, 14}},
        {"400.365.tnt", PeriodicNoteEntry{400, 365}},
        {"18.tnt", PeriodicNoteEntry{18, 0}},
        {"18.x.tnt", PeriodicNoteEntry{18, 0}},
        {"18.14.alt.tnt", PeriodicNoteEntry{18, 14}},
        {"0.14.tnt", std::nullopt},
        {"-3.14.tnt", std::nullopt},
        {"a.14.tnt", std::nullopt},
    };
    for (const auto& [name, entry] : periodicNames)
        EXPECT_EQ(periodicEntryOfName(name), entry) << name;
}

} // namespace
} // namespace tp
