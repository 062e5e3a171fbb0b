#include "caldav/qt/CalendarSyncWindow.h"
#include "caldav/qt/KeyringPassword.h"
#include "model/qt/DayNumberQDate.h"

#include "RecordingMessageBoxes.h"
#include "TestServers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace tp;

namespace {

// Tuesday 8 December 2026, 14:03.
const FixedClock kClock{LocalDateTime{2026, 12, 8, 14, 3, 0}};

std::vector<CrewEvent> eventsOf(int crew, DayNumber from, DayNumber to) {
    CrewCalendarRequest request;
    request.crew = crew;
    request.from = from;
    request.to = to;
    return crewCalendarEvents(request);
}

struct Opened {
    std::vector<CalendarSyncChoices> stored;
    test::RecordingMessageBoxes messages;
    DesktopKeyring keyring;
    std::unique_ptr<CalendarSyncWindow> window;
};

std::unique_ptr<Opened> openWindow(const CalendarSyncChoices& choices = {}) {
    auto opened = std::make_unique<Opened>();
    CalendarSyncWindowInput input;
    input.choices = choices;
    input.baseCrew = 2;
    input.events = eventsOf;
    input.keyring = &opened->keyring;
    input.store = [stored = &opened->stored](const CalendarSyncChoices& now) {
        stored->push_back(now);
    };
    opened->window = std::make_unique<CalendarSyncWindow>(input, kClock, opened->messages);
    return opened;
}

QString countsAt(int created, int unchanged) {
    return QStringLiteral("angelegt %1, geändert 0, gelöscht 0, unverändert %2 – 08.12.2026 14:03")
        .arg(created)
        .arg(unchanged);
}

// The fields for the user "anna" of `server`.
void fillIn(CalendarSyncWindow& window, const test::RadicaleServer& server,
            const QString& password) {
    window.serverField()->setText(QString::fromStdString(server.origin()));
    window.userField()->setText(QStringLiteral("anna"));
    window.passwordField()->setText(password);
}

bool syncAndWait(CalendarSyncWindow& window) {
    QSignalSpy finished(&window, &CalendarSyncWindow::syncFinished);
    window.syncButton()->click();
    return finished.count() > 0 || finished.wait(60'000);
}

} // namespace

class CalendarSyncWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithTheBaseCrewAndTheUsualMonths() {
        auto opened = openWindow();
        CalendarSyncWindow& window = *opened->window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Kalender-Abgleich"));
        QCOMPARE(window.crewField()->currentIndex(), 2);
        QCOMPARE(window.monthsBeforeField()->value(), 1);
        QCOMPARE(window.monthsAfterField()->value(), 12);
        QCOMPARE(window.reminderField()->value(), 0);
        QVERIFY(!window.atEndField()->isChecked());
        QCOMPARE(window.passwordField()->echoMode(), QLineEdit::Password);
        QSignalSpy help(&window, &CalendarSyncWindow::helpRequested);
        window.infoButton()->click();
        QCOMPARE(help.count(), 1);
    }

    void choicesAreWrittenOnlyWhenSet() {
        auto opened = openWindow();
        opened->window->reject();
        QVERIFY(opened->stored.empty());

        opened = openWindow();
        opened->window->monthsAfterField()->setValue(6);
        opened->window->reject();
        QCOMPARE(opened->stored.size(), std::size_t{1});
        const CalendarSyncChoices& stored = opened->stored.front();
        QCOMPARE(stored.monthsAfter, std::optional<int>(6));
        QVERIFY(!stored.monthsBefore && !stored.crew && !stored.alarmMinutes && !stored.syncAtEnd);
    }

    void findsMakesAndSyncsTheCalendar() {
        test::RadicaleServer server;
        QVERIFY(server.start());
        auto opened = openWindow();
        CalendarSyncWindow& window = *opened->window;
        fillIn(window, server, QStringLiteral("geheim-a"));
        window.searchButton()->click();
        QCOMPARE(window.calendarField()->count(), 1);
        QCOMPARE(window.calendarField()->itemText(0),
                 QStringLiteral("Neuer Kalender „Turnoplaner“"));

        QVERIFY(syncAndWait(window));
        const int count = static_cast<int>(
            eventsOf(2, dayOf(QDate(2026, 11, 8)), dayOf(QDate(2027, 12, 8))).size());
        QVERIFY(count > 200);
        QCOMPARE(window.resultLabel()->text(), countsAt(count, 0));
        QCOMPARE(window.progressLabel()->text(), QString());
        // No keyring runs under the tests: the password is asked again for the next sync.
        QCOMPARE(window.keyringLabel()->text(), QString::fromUtf8(kNoKeyringMessage));
        QCOMPARE(window.passwordField()->text(), QString());
        window.syncButton()->click();
        QCOMPARE(window.resultLabel()->text(), QStringLiteral("Bitte das Passwort eingeben."));
        window.passwordField()->setText(QStringLiteral("geheim-a"));

        // Found again under its name; a second sync leaves everything as it is.
        window.searchButton()->click();
        QCOMPARE(window.calendarField()->itemText(0), QStringLiteral("Turnoplaner"));
        QVERIFY(syncAndWait(window));
        QCOMPARE(window.resultLabel()->text(), countsAt(0, count));
        window.reject();
        QCOMPARE(opened->stored.back().serverAddress, server.origin());
        QCOMPARE(opened->stored.back().userName, std::string("anna"));
        QVERIFY(!opened->stored.back().calendarUrl.empty());
    }

    void aWrongPasswordIsToldInGerman() {
        test::RadicaleServer server;
        QVERIFY(server.start());
        auto opened = openWindow();
        CalendarSyncWindow& window = *opened->window;
        fillIn(window, server, QStringLiteral("falsch"));
        window.searchButton()->click();
        const QString told = window.resultLabel()->text();
        QVERIFY2(told.startsWith(QStringLiteral("Der Server ")) &&
                     told.endsWith(QStringLiteral(" hat Benutzername oder Passwort abgelehnt.")),
                 qPrintable(told));
    }
};

QTEST_MAIN(CalendarSyncWindowTest)
#include "CalendarSyncWindowTest.moc"
