#include "help/qt/InfoWindow.h"
#include "help/qt/HelpTextWindow.h"
#include "holidays/qt/HolidayListWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tp;

Q_DECLARE_METATYPE(tp::InfoChoice)
Q_DECLARE_METATYPE(tp::CalendarType)

namespace {

const HelpWindowLook kLook{{8, 12}, 0xD8E9EC, QFont()};

// Records what a choice opened, as "what year" or "help title".
struct OpenedWindows {
    QStringList opened;

    InfoWindowActions actions() {
        InfoWindowActions actions;
        actions.yearlyHours = [this](int year) { opened << QStringLiteral("hours %1").arg(year); };
        actions.holidayList = [this](int year) {
            opened << QStringLiteral("holidays %1").arg(year);
        };
        actions.schoolHolidays = [this](int year) {
            opened << QStringLiteral("school %1").arg(year);
        };
        actions.helpText = [this](HelpTopic topic) {
            opened << QStringLiteral("help ") +
                          QString::fromUtf8(helpTopicInfo(topic).title.data());
        };
        return actions;
    }
};

InfoWindowContext contextOf(CalendarType type) {
    // The page starts in November 2016; the cursor stands in a 2017 column.
    return {kLook, type, 2016, 2017};
}

// Presses `key` in whatever modal window is open once the event loop runs.
void pressInModalWindowSoon(Qt::Key key) {
    QTimer::singleShot(0, [key] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QTest::keyClick(modal, key);
    });
}

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layout() {
        InfoWindow window(kLook);
        QCOMPARE(window.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(window.width(), 27 * 8);
        QVERIFY(window.height() >= 32 * 12);
        QCOMPARE(window.tablesFrame()->findChildren<QPushButton*>().size(), 3);
        QCOMPARE(window.helpFrame()->findChildren<QPushButton*>().size(), 9);
        for (QGroupBox* frame : {window.tablesFrame(), window.helpFrame()}) {
            QVERIFY(window.rect().contains(frame->geometry()));
            for (QPushButton* button : frame->findChildren<QPushButton*>())
                QVERIFY(frame->rect().contains(button->geometry()));
        }
        QCOMPARE(window.keysFrame()->title(), QStringLiteral("Weitere Tasten"));
        QVERIFY(window.rect().contains(window.keysFrame()->geometry()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList keys;
        for (QLabel* label : window.keysFrame()->findChildren<QLabel*>()) {
            keys << label->text();
            QVERIFY(window.keysFrame()->contentsRect().contains(label->geometry()));
            QVERIFY(label->height() >= label->sizeHint().height());
        }
        QCOMPARE(keys.join(' '),
                 QStringLiteral("Strg+P Drucken Strg+E Kalender exportieren G "
                                "Zuschläge Strg+K Kalender-Abgleich Strg+S Sicherung"));
    }

    void buttons_data() {
        QTest::addColumn<InfoChoice>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens");
        auto row = [](InfoChoice choice, const char* text, const char* toolTip, Qt::Key key,
                      const char* opens) {
            QTest::newRow(text) << choice << QString::fromUtf8(text) << QString::fromUtf8(toolTip)
                                << static_cast<int>(key) << QString::fromUtf8(opens);
        };
        row(InfoChoice::YearlyHours, "Jahresstunden",
            "Die Minusstunden für das Jahr der Spalte der Cursorposition", Qt::Key_M, "hours 2017");
        row(InfoChoice::SchoolHolidays, "Schulferien",
            "Die bayerischen Schulferien ür das in der ersten Spalte angezeigte Jahr", Qt::Key_S,
            "school 2016");
        row(InfoChoice::Holidays, "Feiertage",
            "Die staatlichen Feiertage für das in der ersten Spalte angezeigte Jahr", Qt::Key_F,
            "holidays 2016");
        row(InfoChoice::ProgramInfo, "Programm", "Allgemeine Infos zur Programmbedienung",
            Qt::Key_P, "help Programminfo");
        row(InfoChoice::Keyboard, "Tastaturbelegung",
            "Infos zur Programmbedienung mit der Tastatur", Qt::Key_T, "help Tastaturbelegung");
        row(InfoChoice::ShiftMarkings, "Schichtmarkierung",
            "Infos zur Eingabe und Verwaltung von Schichtmarkierungen", Qt::Key_I,
            "help Schichtmarkierung");
        row(InfoChoice::CalendarBars, "Kalendermarkierung",
            "Infos zur Eingabe und Verwaltung von Kalendermarkierungen", Qt::Key_K,
            "help Kalendermarkierung");
        row(InfoChoice::Notes, "Notizen", "Infos zur Eingabe und Verwaltung von Notizen", Qt::Key_N,
            "help Infos zu den Notizen und Markierungen");
        row(InfoChoice::ProgramMenu, "Prog. Menü", "Infos zu den unter 'Prog.' wählbaren Dingen",
            Qt::Key_R, "help Programm");
        row(InfoChoice::UserName, "Name", "Infos zum Anmelden unter einen Benutzernamen", Qt::Key_A,
            "help Benutzername und Passwort");
        row(InfoChoice::Settings, "Einstellungen", "Infos zu den Programmeinstellungen", Qt::Key_E,
            "help Programmeinstellungen");
        row(InfoChoice::Supplements, "Zuschläge",
            "Infos zu den Nacht-, Sonntags- und Feiertagsstunden", Qt::Key_Z, "help Zuschläge");
    }

    // Each letter key closes the window with its button's choice, which then opens its window.
    void buttons() {
        QFETCH(InfoChoice, choice);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(int, key);
        QFETCH(QString, opens);

        InfoWindow window(kLook);
        QCOMPARE(window.button(choice)->text(), text);
        QCOMPARE(window.button(choice)->toolTip(), toolTip);
        window.show();
        QTest::keyClick(&window, static_cast<Qt::Key>(key));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.choice(), std::optional<InfoChoice>(choice));

        OpenedWindows record;
        runInfoChoice(choice, contextOf(CalendarType::WendringWerk), record.actions());
        QCOMPARE(record.opened, QStringList{opens});
    }

    void clickChoosesAndEscapeLeaves() {
        InfoWindow window(kLook);
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.choice(), std::nullopt);
        QTest::mouseClick(window.button(InfoChoice::Notes), Qt::LeftButton);
        QCOMPARE(window.choice(), std::optional<InfoChoice>(InfoChoice::Notes));
    }

    void yearlyHoursByCalendar_data() {
        QTest::addColumn<CalendarType>("type");
        QTest::addColumn<bool>("opens");
        QTest::newRow("two-shift") << CalendarType::WendringTwoShift << true;
        QTest::newRow("sheet") << CalendarType::WendringStandardSheet << true;
        QTest::newRow("Halmstett") << CalendarType::ValdorHalmstett << false;
        QTest::newRow("Brelling") << CalendarType::BrellingKarton << false;
    }

    void yearlyHoursByCalendar() {
        QFETCH(CalendarType, type);
        QFETCH(bool, opens);
        OpenedWindows record;
        runInfoChoice(InfoChoice::YearlyHours, contextOf(type), record.actions());
        QCOMPARE(record.opened.size(), opens ? 1 : 0);
    }

    // The chosen window opens only after the "Info" window has gone.
    void windowRunsTheChoiceAfterClosing() {
        OpenedWindows record;
        InfoWindowActions actions = record.actions();
        actions.holidayList = [&record](int year) {
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            record.opened << QStringLiteral("holidays %1").arg(year);
        };
        pressInModalWindowSoon(Qt::Key_F);
        runInfoWindow(nullptr, contextOf(CalendarType::WendringPm1), actions);
        QCOMPARE(record.opened, QStringList{QStringLiteral("holidays 2016")});

        pressInModalWindowSoon(Qt::Key_Escape);
        runInfoWindow(nullptr, contextOf(CalendarType::WendringPm1), actions);
        QCOMPARE(record.opened.size(), 1);
    }

    void standardActionsOpenTheProgramsWindows() {
        QWidget parent;
        const InfoWindowActions actions = standardInfoWindowActions(&parent, kLook, {});
        QString seen;
        auto noteAndClose = [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            seen = modal->windowTitle();
            if (qobject_cast<HelpTextWindow*>(modal) || qobject_cast<HolidayListWindow*>(modal))
                seen += QStringLiteral(" ok");
            QTest::keyClick(modal, Qt::Key_Escape);
        };
        QTimer::singleShot(0, noteAndClose);
        actions.helpText(HelpTopic::Keyboard);
        QCOMPARE(seen, QStringLiteral("Tastaturbelegung ok"));
        QTimer::singleShot(0, noteAndClose);
        actions.holidayList(2016);
        QCOMPARE(seen, QStringLiteral("Feiertage ok"));
        QTimer::singleShot(0, noteAndClose);
        actions.schoolHolidays(2016);
        QCOMPARE(seen, QStringLiteral("Ferientermine"));
        // Without a yearly hour table the button opens nothing.
        runInfoChoice(InfoChoice::YearlyHours, contextOf(CalendarType::WendringWerk), actions);
    }
};

QTEST_MAIN(InfoWindowTest)
#include "InfoWindowTest.moc"
