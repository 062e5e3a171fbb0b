#include "settings/SettingsFile.h"
#include "support/TestStore.h"

#include "platform/AtomicFile.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tp {
namespace {

namespace fs = std::filesystem;

// Folders are stored with this system's separator at the end ('\\' on Windows).
const std::string kSeparator(1, static_cast<char>(fs::path::preferred_separator));

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() {
        dataRoot = folder.path() / "TPDaten";
        userFolder = dataRoot / "Programm";
        fs::create_directories(userFolder);
    }

    void writeSettingsFile(const std::string& bytes) const {
        std::ofstream(userFolder / kSettingsFileName, std::ios::binary) << bytes;
    }
    std::string settingsFile() const {
        std::string bytes;
        readWholeFile(userFolder / kSettingsFileName, bytes);
        return bytes;
    }
    void load() {
        settings = loadSettings(test::TestStore{}, userFolder, folderPathText(dataRoot)).settings;
    }

    test::TemporaryFolder folder;
    fs::path dataRoot;
    fs::path userFolder;
    ProgramSettings settings;
};

TEST_F(SettingsFileTest, DefaultFileByteForByte) {
    load();
    ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, settings).ok);
    const std::string expected =
        "[Programmeinstellungen]\r\n"
        "Fontname = System\r\n"
        "Fontgr\xF6\xDF"
        "e = 10\r\n"
        "Fontstil = 0\r\n"
        "Schichtspalten = 5\r\n"
        "Schulferien anzeigen = 1\r\n"
        "Wochennummer anzeigen = 1\r\n"
        "Anwenderverzeichnis = " +
        dataRoot.string() + kSeparator + "\r\n" +
        "Anwendername = Programm\r\n"
        "Schichtart = 0\r\n"
        "UrlaubBlockAnzeige = 1\r\n"
        "Sollstunden_38 = 1982.760010\r\n"
        "Sollstunden_40 = 2088.000000\r\n"
        "UrlaubStartMonat = 4\r\n"
        "UrlaubStartTag = 25\r\n"
        "UrlaubZyklus = 0\r\n"
        "; \r\n"
        "[Astronomie]\r\n"
        "Breite = 48.469999999999998863131622783839702606201171875\r\n"
        "L\xE4nge = -12.519999999999999573674358543939888477325439453125\r\n"
        "Zeitzone = 1\r\n"
        "Sommerzeit automatisch = 1\r\n"
        "Ortsname = Wendring\r\n"
        "D\xE4mmerung = 0\r\n"
        "Mondphasen anzeigen = 0\r\n"
        "Perihel und Aphel anzeigen = 0\r\n";
    EXPECT_EQ(settingsFile(), expected);
}

TEST_F(SettingsFileTest, EveryValueSurvivesSavingAndLoading) {
    settings.font.name = "DejaVu Sans Mono";
    settings.font.size = 14;
    settings.font.style = 256 | 512;
    settings.lastColumnIndex = 11;
    settings.switches.schoolHolidays = false;
    settings.switches.weekNumbers = false;
    settings.userDataFolder = "/mnt/gemeinsam/Schichtdaten/";
    settings.userName = "Jürgen";
    settings.calendarType = CalendarType::WendringStandardSheet;
    settings.switches.vacationBlock = false;
    settings.accounts.targetHours38 = 1950.25f;
    settings.accounts.targetHours40 = 2000.5f;
    settings.vacation.earliestStart.month = 5;
    settings.vacation.earliestStart.day = 2;
    settings.vacation.cycle = 3;
    settings.accounts.hourlyWageCents = 1875;
    settings.place.latitude = 52.3101;
    settings.place.longitude = -13.2405;
    settings.place.timeZone = 5.75;
    settings.place.automaticSummerTime = false;
    settings.placeName = "Königs Wusterhausen";
    settings.place.twilight = 2;
    settings.switches.moonPhases = true;
    settings.switches.orbitExtremes = true;
    ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, settings).ok);
    const std::string written = settingsFile();

    const ProgramSettings reread =
        loadSettings(test::TestStore{}, userFolder, folderPathText(dataRoot)).settings;
    EXPECT_EQ(settingsFileBytes(reread), written);
    EXPECT_EQ(reread.place.latitude, 52.3101);
    EXPECT_EQ(reread.userName, "Jürgen");
    EXPECT_EQ(numberOf(reread.calendarType), 5);
    EXPECT_EQ(reread.accounts.hourlyWageCents, 1875);
    EXPECT_NE(written.find("UrlaubZyklus = 3\r\nStundenlohn = 18.75\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, HourlyWageIsReadAsCentsAndLeftOutWhenThereIsNone) {
    const struct {
        const char* value;
        std::optional<std::int32_t> cents;
    } cases[] = {{"18.5", 1850},       {"12.345", 1235},       {"0", std::nullopt},
                 {"-4", std::nullopt}, {"Lohn", std::nullopt}, {"NaN", std::nullopt},
                 {"1e9", std::nullopt}};
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.value);
        writeSettingsFile(std::string("[Programmeinstellungen]\r\nStundenlohn = ") + wanted.value +
                          "\r\n");
        load();
        EXPECT_EQ(settings.accounts.hourlyWageCents, wanted.cents);
        // A file without a wage holds no key for it.
        EXPECT_EQ(settingsFileBytes(settings).find("Stundenlohn") == std::string::npos,
                  !wanted.cents);
    }
}

TEST_F(SettingsFileTest, CalendarSyncChoicesAreWrittenOnlyOnceSet) {
    const std::string before = settingsFileBytes(settings);
    EXPECT_EQ(before.find("Abgleich"), std::string::npos);
    EXPECT_EQ(settings.calendarSync.monthsBeforeToday(), 1);
    EXPECT_EQ(settings.calendarSync.monthsAfterToday(), 12);
    EXPECT_EQ(settings.calendarSync.reminderMinutes(), 0);
    EXPECT_FALSE(settings.calendarSync.syncWhenEnding());

    CalendarSyncChoices& sync = settings.calendarSync;
    sync.serverAddress = "https://cloud.example.org";
    sync.calendarUrl = "https://cloud.example.org/dav/calendars/anna/turnoplaner/";
    sync.crew = 2;
    sync.monthsAfter = 6;
    sync.syncAtEnd = true;
    ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, settings).ok);
    const std::string written = settingsFile();
    EXPECT_NE(written.find("AbgleichServer = https://cloud.example.org\r\n"), std::string::npos);
    EXPECT_NE(written.find("AbgleichSchicht = 2\r\nAbgleichMonateNachher = 6\r\n"
                           "AbgleichBeimBeenden = 1\r\n"),
              std::string::npos);
    for (const char* unset : {"AbgleichBenutzer", "AbgleichMonateVorher", "AbgleichErinnerung"})
        EXPECT_EQ(written.find(unset), std::string::npos) << unset;
    load();
    EXPECT_EQ(settings.calendarSync.serverAddress, "https://cloud.example.org");
    EXPECT_EQ(settings.calendarSync.calendarUrl,
              "https://cloud.example.org/dav/calendars/anna/turnoplaner/");
    EXPECT_FALSE(settings.calendarSync.monthsBefore);
    EXPECT_EQ(settings.calendarSync.crew, 2);
    EXPECT_EQ(settings.calendarSync.monthsBeforeToday(), 1);
    EXPECT_TRUE(settings.calendarSync.syncWhenEnding());
}

TEST_F(SettingsFileTest, CalendarSyncNumbersOutOfRangeAreLeftUnset) {
    const struct {
        const char* line;
        std::optional<int> crew;
        std::optional<int> alarm;
    } cases[] = {{"AbgleichSchicht = 4", 4, std::nullopt},
                 {"AbgleichSchicht = 9", std::nullopt, std::nullopt},
                 {"AbgleichErinnerung = 30", std::nullopt, 30},
                 {"AbgleichErinnerung = -5", std::nullopt, std::nullopt}};
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.line);
        writeSettingsFile(std::string("[Programmeinstellungen]\r\n") + wanted.line + "\r\n");
        load();
        EXPECT_EQ(settings.calendarSync.crew, wanted.crew);
        EXPECT_EQ(settings.calendarSync.alarmMinutes, wanted.alarm);
    }
}

TEST_F(SettingsFileTest, AutomaticBackupSwitchIsWrittenOnlyOnceChosen) {
    const struct {
        const char* line; // nothing: no such key in the file
        std::optional<bool> on;
    } cases[] = {{"", std::nullopt},
                 {"AutomatischeSicherung = 0\r\n", false},
                 {"AutomatischeSicherung = 1\r\n", true}};
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.line);
        writeSettingsFile(std::string("[Programmeinstellungen]\r\n") + wanted.line);
        load();
        EXPECT_EQ(settings.automaticBackups, wanted.on);
        EXPECT_EQ(settingsFileBytes(settings).find("AutomatischeSicherung") != std::string::npos,
                  wanted.on.has_value());
        if (*wanted.line) {
            EXPECT_NE(settingsFileBytes(settings).find(wanted.line), std::string::npos);
        }
    }
}

TEST_F(SettingsFileTest, SecondSaveReplacesTheFirst) {
    ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, settings).ok);
    settings.placeName = "Anderswo";
    ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, settings).ok);
    load();
    EXPECT_EQ(settings.placeName, "Anderswo");
    // Nothing of the replacement is left lying beside the file.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(userFolder))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(SettingsFileTest, FileThatCannotBeWrittenIsReportedAsFailure) {
    EXPECT_FALSE(saveSettings(test::TestStore{}, userFolder / "fehlt", settings).ok);
    fs::create_directories(userFolder / kSettingsFileName / "Ordner");
    EXPECT_FALSE(saveSettings(test::TestStore{}, userFolder, settings).ok);
}

TEST_F(SettingsFileTest, LoadingReadsOnlyTheFileOfTheGivenFolder) {
    writeSettingsFile("[Astronomie]\r\nBreite = 50\r\n");
    settings.placeName = "aus dem Speicher";
    load();
    EXPECT_EQ(settings.place.latitude, 50.0);
    EXPECT_EQ(settings.placeName, "Wendring"); // everything else is the default again
    EXPECT_EQ(settings.userDataFolder, folderPathText(dataRoot));
}

TEST_F(SettingsFileTest, MissingAndUnreadableFilesAreToldApart) {
    const auto readOf = [this] {
        return loadSettings(test::TestStore{}, userFolder, folderPathText(dataRoot));
    };
    EXPECT_EQ(readOf().read, ReadResult::Missing);
    writeSettingsFile("[Astronomie]\r\nBreite = 50\r\n");
    EXPECT_EQ(readOf().read, ReadResult::Read);
    // Far too large to be a settings file: the defaults, and the file is not to be replaced.
    writeSettingsFile("[Astronomie]\r\nBreite = 50\r\n" + std::string(17 * 1024 * 1024, ' '));
    const LoadedSettings loaded = readOf();
    EXPECT_EQ(loaded.read, ReadResult::Unreadable);
    EXPECT_EQ(loaded.settings.place.latitude, 48.47);
}

// The largest file that is read at all, full of lines: read once, quickly, first line counting.
TEST_F(SettingsFileTest, LargestReadableFileIsReadInOnePass) {
    std::string bytes = "[Astronomie]\r\n";
    while (bytes.size() < 16 * 1024 * 1024 - 64)
        bytes += "breite = 12\r\n[astronomie]\r\n";
    writeSettingsFile("[Astronomie]\r\nBreite = 50\r\n" + bytes);
    const LoadedSettings loaded =
        loadSettings(test::TestStore{}, userFolder, folderPathText(dataRoot));
    EXPECT_EQ(loaded.read, ReadResult::Read);
    EXPECT_EQ(loaded.settings.place.latitude, 50.0);
}

TEST(FolderPathText, EndsWithOneSeparator) {
    EXPECT_EQ(folderPathText("/daten/TPDaten"), "/daten/TPDaten" + kSeparator);
    EXPECT_EQ(folderPathText("/daten/TPDaten/"), "/daten/TPDaten/");
    EXPECT_EQ(folderPathText(fs::u8path("/daten/Müller")), "/daten/Müller" + kSeparator);
}

} // namespace
} // namespace tp
