#include "holidays/NameDays.h"
#include "holidays/NameDayTable.h"
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(NameDays, SameEntryInCommonAndLeapYears) {
    EXPECT_EQ(nameDayText(2015, 3, 1), NameDayTable[60]);
    EXPECT_EQ(nameDayText(2016, 3, 1), NameDayTable[60]);
    EXPECT_EQ(nameDayText(2016, 2, 29), NameDayTable[59]);
    EXPECT_EQ(nameDayText(2015, 2, 28), NameDayTable[58]);
    EXPECT_EQ(nameDayText(2015, 12, 31), NameDayTable[365]);
    EXPECT_EQ(nameDayText(2016, 12, 31), NameDayTable[365]);
    EXPECT_EQ(nameDayText(2016, 1, 1), NameDayTable[0]);
}

TEST(NameDays, EntriesFitTheLayout) {
    EXPECT_TRUE(NameDayTable[59].starts_with("Schalttag"));
    for (std::string_view entry : NameDayTable) {
        const std::string bytes = windows1252FromUtf8(entry);
        EXPECT_GE(bytes.size(), 6u) << entry;
        EXPECT_LE(bytes.size(), 80u) << entry;
        EXPECT_EQ(bytes.find('?'), std::string::npos) << entry; // all in Windows-1252
        EXPECT_EQ(entry.find(",,"), std::string::npos) << entry;
        EXPECT_FALSE(entry.ends_with(",")) << entry;
        for (std::size_t comma = entry.find(','); comma != std::string_view::npos;
             comma = entry.find(',', comma + 1))
            EXPECT_EQ(entry.substr(comma, 2), ", ") << entry;
    }
}

} // namespace
} // namespace tp
