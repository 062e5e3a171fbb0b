#include "settings/qt/SettingsDialog.h"
#include "support/TestStore.h"

#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "model/BlockCrewOrder.h"
#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>

namespace tp {

namespace {

void whenDialogOpens(const std::function<void(SettingsDialog&)>& userAction) {
    QTimer::singleShot(0, [userAction] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        userAction(*dialog);
    });
}

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(field, &leave);
}

ProgramSettings storedSettings(const std::filesystem::path& folder) {
    std::string bytes;
    readWholeFile(folder / kSettingsFileName, bytes);
    return settingsFromFileBytes(bytes, "");
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheSettingsWithMagnitudesAndOptions() {
        test::RecordingMessageBoxes messages;
        SettingsDialog dialog(ProgramSettings{}, 2026, messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Programmeinstellungen"));
        QCOMPARE(dialog.placeNameField()->text(), QStringLiteral("Wendring"));
        QCOMPARE(dialog.longitudeField()->text(), QStringLiteral("12.52"));
        QVERIFY(dialog.longitudeEastOption()->isChecked());
        QCOMPARE(dialog.latitudeField()->text(), QStringLiteral("48.47"));
        QVERIFY(dialog.latitudeNorthOption()->isChecked());
        QCOMPARE(dialog.timeZoneField()->text(), QStringLiteral("1.0"));
        QVERIFY(dialog.timeZoneEastOption()->isChecked());
        QCOMPARE(dialog.vacationStartField()->text(), QStringLiteral("25.04."));
        QCOMPARE(dialog.crewOrderList()->count(), 5);
        QCOMPARE(dialog.crewOrderList()->itemText(0),
                 QStringLiteral("Grün, Braun, Rot, Blau, Gelb"));
        QCOMPARE(dialog.targetHours38Field()->text(), QStringLiteral("1982,76"));
        QCOMPARE(dialog.targetHours40Field()->text(), QStringLiteral("2088,00"));
        QCOMPARE(dialog.saveButton()->toolTip(),
                 QStringLiteral("Speichert Koordinaten und verlässt das Eingabefenster"));
    }

    // The fields show what will be stored: a typed minus sign turns the direction over, and a
    // time zone beyond its direction's limit is cut with a message.
    void fieldsAreNormalisedWhenTheyLoseTheFocus_data() {
        QTest::addColumn<int>("field"); // 0 longitude, 1 latitude, 2 time zone
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("directionTurned"); // West, Süd, West
        QTest::addColumn<QStringList>("told");
        QTest::newRow("decimal degrees") << 0 << "12.7"
                                         << "12.42" << false << QStringList{};
        QTest::newRow("wrapped latitude") << 1 << "120"
                                          << "30.00" << false << QStringList{};
        QTest::newRow("time zone cut")
            << 2 << "15"
            << "14.0" << false
            << QStringList{
                   QStringLiteral("Info: Die Zeitzone wurde auf 14.0 Stunden Ost begrenzt.")};
        QTest::newRow("minus longitude") << 0 << "-10,5"
                                         << "10.50" << true << QStringList{};
        QTest::newRow("minus latitude") << 1 << "-48.3"
                                        << "48.30" << true << QStringList{};
        QTest::newRow("minus time zone, cut in the west")
            << 2 << "-13"
            << "12.0" << true
            << QStringList{
                   QStringLiteral("Info: Die Zeitzone wurde auf 12.0 Stunden West begrenzt.")};
    }
    void fieldsAreNormalisedWhenTheyLoseTheFocus() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, directionTurned);
        QFETCH(QStringList, told);
        test::RecordingMessageBoxes messages;
        SettingsDialog dialog(ProgramSettings{}, 2026, messages);
        QLineEdit* fields[] = {dialog.longitudeField(), dialog.latitudeField(),
                               dialog.timeZoneField()};
        QRadioButton* turned[] = {dialog.longitudeWestOption(), dialog.latitudeSouthOption(),
                                  dialog.timeZoneWestOption()};
        typeInto(fields[field], typed);
        QCOMPARE(fields[field]->text(), shown);
        QCOMPARE(turned[field]->isChecked(), directionTurned);
        QCOMPARE(messages.shown, told);
        const ProgramSettings values = dialog.settings();
        const double stored[] = {values.place.longitude, values.place.latitude,
                                 values.place.timeZone};
        QCOMPARE(QString::number(std::fabs(stored[field]), 'f', field == 2 ? 1 : 2), shown);
    }

    // Target hours are read as the command line reads them; anything else keeps the dialog
    // open with a message that names the field and its range.
    void targetHoursAreReadOrRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("blanks around") << "  2088 " << true;
        QTest::newRow("decimal comma") << "1982,76" << true;
        QTest::newRow("largest") << "100000" << true;
        QTest::newRow("exponent") << "1e38" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("negative") << "-500" << false;
        QTest::newRow("too large") << "100000,5" << false;
        QTest::newRow("two commas") << "1,2,3" << false;
        QTest::newRow("empty") << "" << false;
    }
    void targetHoursAreReadOrRefused() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        test::RecordingMessageBoxes messages;
        SettingsDialog dialog(ProgramSettings{}, 2026, messages);
        dialog.targetHours40Field()->setText(typed);
        dialog.saveButton()->click();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        if (accepted) {
            QVERIFY(messages.shown.isEmpty());
            QCOMPARE(dialog.settings().accounts.targetHours40,
                     QString(typed).replace(QLatin1Char(','), QLatin1Char('.')).toFloat());
        } else {
            QCOMPARE(messages.shown,
                     QStringList{QStringLiteral("Fehler: Sollstunden bei einer 40 Stundenwoche: "
                                                "\"%1\" ist keine Zahl von 0 bis 100000.\nBitte "
                                                "eine Zahl wie 1982,76 eingeben.")
                                     .arg(typed)});
        }
    }

    void speichernStoresEverything() {
        test::TemporaryFolder folder;
        test::RecordingMessageBoxes messages;
        ProgramSettings settings;
        settings.vacation.cycle = 4;

        whenDialogOpens([](SettingsDialog& dialog) {
            typeInto(dialog.latitudeField(), "48,75");
            dialog.latitudeSouthOption()->click();
            typeInto(dialog.longitudeField(), "10");
            dialog.longitudeWestOption()->click();
            typeInto(dialog.timeZoneField(), "13");
            dialog.timeZoneWestOption()->click();
            QCOMPARE(dialog.timeZoneField()->text(), QStringLiteral("12.0"));
            dialog.crewOrderList()->setCurrentIndex(2);
            typeInto(dialog.targetHours38Field(), "1900,5");
            typeInto(dialog.targetHours40Field(), "  2088");
            QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        });
        QVERIFY(editProgramSettings(nullptr, settings, 2026, messages));
        saveSettings(test::TestStore{}, folder.path(), settings); // as the session stores them

        const ProgramSettings stored = storedSettings(folder.path());
        QCOMPARE(stored.place.latitude, -48.45);
        QCOMPARE(stored.place.longitude, 10.0);
        QCOMPARE(stored.place.timeZone, -12.0);
        QCOMPARE(stored.vacation.cycle, 2);
        QCOMPARE(stored.accounts.targetHours38, 1900.5f);
        QCOMPARE(stored.accounts.targetHours40, 2088.0f);
        QCOMPARE(messages.shown, QStringList{QStringLiteral(
                                     "Info: Die Zeitzone wurde auf 12.0 Stunden West begrenzt.")});
    }

    void resetButtonSetsTheVacationFieldsBackInTheDialogOnly() {
        test::RecordingMessageBoxes messages;
        ProgramSettings settings;
        settings.vacation.earliestStart.month = 6;
        settings.vacation.earliestStart.day = 2;
        settings.vacation.cycle = 3;
        SettingsDialog dialog(settings, 2026, messages);
        QCOMPARE(dialog.crewOrderList()->currentIndex(), 3);
        dialog.resetVacationButton()->click();
        QCOMPARE(dialog.vacationStartField()->date(), QDate(2026, 4, 25));
        QCOMPARE(dialog.crewOrderList()->currentIndex(), 0);
        QCOMPARE(settings.vacation.cycle, 3);
    }

    void placeNameIsTakenOverWhileTypedAndCutAtFifty() {
        test::TemporaryFolder folder;
        test::RecordingMessageBoxes messages;
        ProgramSettings settings;
        QString lastCount;
        int helpShown = 0;
        SettingsDialogHooks hooks;
        hooks.placeNameChanged = [&](const QString&, const QString& count) { lastCount = count; };
        hooks.showHelp = [&](QWidget*) { ++helpShown; };

        whenDialogOpens([&](SettingsDialog& dialog) {
            dialog.placeNameField()->clear();
            QTest::keyClicks(dialog.placeNameField(), QString(51, QLatin1Char('x')));
            QCOMPARE(dialog.placeNameField()->text(), QString(50, QLatin1Char('x')));
            dialog.infoButton()->click();
            QVERIFY(dialog.isVisible()); // "Info" keeps the dialog open
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(!editProgramSettings(nullptr, settings, 2026, messages, hooks));
        QCOMPARE(messages.shown, QStringList{QStringLiteral(
                                     "Info: Die Länge des Namens wurde auf 50 Zeichen gekürzt!")});
        QCOMPARE(lastCount, QStringLiteral("50 von max. 50 Zeichen."));
        QCOMPARE(settings.placeName, std::string(50, 'x'));
        QCOMPARE(helpShown, 1);
        QVERIFY(!std::filesystem::exists(folder.path() / kSettingsFileName));
    }
};

} // namespace tp

QTEST_MAIN(tp::SettingsDialogTest)
#include "SettingsDialogTest.moc"
