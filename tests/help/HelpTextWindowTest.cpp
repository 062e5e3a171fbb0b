#include "help/qt/HelpTextWindow.h"
#include "help/qt/HelpTexts.h"
#include "platform/qt/Colour.h"
#include "shell/qt/CommandTable.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace tp;

Q_DECLARE_METATYPE(tp::HelpTopic)

namespace {

const HelpWindowLook kLook{{9, 14}, 0xC0FFEE, QFont(QStringLiteral("Sans"), 11)};

// Length as the texts are stored with the program: every line break is CR LF.
int storedLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

// The key help is made from the main window's command table.
QString textOf(HelpTopic topic) {
    return topic == HelpTopic::Keyboard ? keyHelpText() : helpText(topic);
}

} // namespace

class HelpTextWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void window_data() {
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("tolerance");
        // The texts quoted whole keep their length exactly; the others keep close to it.
        auto row = [](const char* name, HelpTopic topic, const char* title, int height,
                      const char* firstLine, int length, int tolerance) {
            QTest::newRow(name) << topic << QString::fromUtf8(title) << height
                                << QString::fromUtf8(firstLine) << length << tolerance;
        };
        row("program info", HelpTopic::ProgramInfo, "Programminfo", 41,
            "Valdor Wendring Turnoplaner für die Jahre von 1970 bis 2037", 1762, 176);
        row("program menu", HelpTopic::ProgramMenu, "Programm", 39, "Kalender", 1698, 169);
        row("keyboard", HelpTopic::Keyboard, "Tastaturbelegung", 38,
            "Das Programm ist fast vollständig mit der Tastatur bedienbar. Die Tastenbelegung ist "
            "wie folgt:",
            1758, 175);
        row("shift markings", HelpTopic::ShiftMarkings, "Schichtmarkierung", 39,
            "Mit einem Doppelklick, oder mit den Tasten '1', '2', '3'  und '4' öffnet sich das "
            "Eingabefenster für",
            2176, 217);
        row("calendar bars", HelpTopic::CalendarBars, "Kalendermarkierung", 9,
            "Die Wahl des Menüs erfolgt mit der Taste 'K' oder über das Menü 'Notiz' und "
            "'Kalendermarkierung'. Damit",
            458, 0);
        row("notes", HelpTopic::Notes, "Infos zu den Notizen und Markierungen", 39,
            "Die Notizen werden in der unteren Statuszeile angezeigt wenn der Cursor auf einen Tag "
            "mit einer",
            2549, 254);
        row("user name", HelpTopic::UserName, "Benutzername und Passwort", 13,
            "Benutzername und Passwort", 593, 0);
        row("settings", HelpTopic::Settings, "Programmeinstellungen", 39,
            "Um die Auf- und Untergangszeiten berechnen zu können, sind die Koordinaten des Ortes "
            "notwendig.",
            3929, 392);
        row("supplements", HelpTopic::Supplements, "Zuschläge", 25,
            "Mit der Taste 'G' oder mit 'Zuschläge' im Menü 'Prog.' öffnet sich das Fenster mit "
            "den "
            "Arbeitsstunden",
            1815, 0);
    }

    void window() {
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(int, height);
        QFETCH(QString, firstLine);
        QFETCH(int, length);
        QFETCH(int, tolerance);
        const int w = kLook.units.w;
        const int h = kLook.units.h;

        HelpTextWindow window(topic, textOf(topic), kLook);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.size(), QSize(98 * w, height * h));
        QCOMPARE(window.palette().color(QPalette::Window), colourFromWindowsValue(0xC0FFEE));
        QPlainTextEdit* field = window.textField();
        QCOMPARE(field->geometry(), QRect(w, h, 96 * w, (height - 2) * h));
        QCOMPARE(field->font(), kLook.font);
        QVERIFY(field->isReadOnly());

        const QString text = field->toPlainText();
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), firstLine);
        QVERIFY2(std::abs(storedLength(text) - length) <= tolerance,
                 qPrintable(QStringLiteral("%1 characters").arg(storedLength(text))));
    }

    void programInfoIsTheTitleLineAndTheProgramMenuText() {
        QCOMPARE(helpText(HelpTopic::ProgramInfo),
                 QStringLiteral("Valdor Wendring Turnoplaner für die Jahre von 1970 bis 2037\n\n") +
                     helpText(HelpTopic::ProgramMenu));
    }

    void typingChangesNothingAndEscapeCloses() {
        HelpTextWindow window(HelpTopic::CalendarBars, kLook);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPlainTextEdit* field = window.textField();
        field->setFocus();
        const QString before = field->toPlainText();
        QTest::keyClicks(field, QStringLiteral("abc"));
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->toPlainText(), before);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(HelpTextWindowTest)
#include "HelpTextWindowTest.moc"
