#include "shell/qt/ProgramMenu.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace tp {

class ProgramMenuTest : public QObject {
    Q_OBJECT

    // Opens the menu, lets `key` be pressed in it once it is up, returns what was chosen (-1:
    // nothing).
    static int chooseWithKey(CalendarType type, int key) {
        QTimer::singleShot(0, [key] {
            QWidget* menu = QApplication::activeModalWidget();
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key(key));
            // A disabled key leaves the menu open; close it as the user would.
            if (QApplication::activeModalWidget() == menu)
                QTest::keyClick(menu, Qt::Key_Escape);
        });
        const std::optional<Command> chosen = chooseProgramMenuCommand(nullptr, type);
        // The command runs once the menu is gone.
        if (QApplication::activeModalWidget() != nullptr)
            qWarning("the menu is still open");
        return chosen ? int(*chosen) : -1;
    }

  private slots:
    void lettersChooseTheirCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char* name, int key, int command, const char* label,
                            const char* toolTip) {
            QTest::newRow(name) << key << command << QString::fromUtf8(label)
                                << QString::fromUtf8(toolTip);
        };
        using C = Command;
        row("K", Qt::Key_K, int(C::CalendarChoice), "Kalender", "Wähle die Art des Turnoplaners");
        row("V", Qt::Key_V, int(C::DataFolder), "Verzeichnis",
            "Ein neues Programmverzeichnis wählen");
        row("S", Qt::Key_S, int(C::Font), "Schriftart", "Neue Schriftart wählen");
        row("H", Qt::Key_H, int(C::BackgroundColour), "Hintergrundfarbe",
            "Hintergrundfarbe zum Ausdrucken einer Bilschirmkopie ändern");
        row("I", Qt::Key_I, int(C::ProgramMenuHelp), "Info",
            "Informationstext zur Programmbedienung");
        row("E", Qt::Key_E, int(C::Settings), "Einstellungen", "Ändern der Programmeinstellungen");
        row("P", Qt::Key_P, int(C::HoursEntry), "Stunden", "Eingabe der Minus- bzw. Plusstunden");
        row("U", Qt::Key_U, int(C::VacationEntry), "Urlaub", "Eingabe des Resturlaubs");
        row("X", Qt::Key_X, int(C::CalendarExport), "Export",
            "Die Schichten als Kalenderdatei für Kalender-Apps speichern");
        row("C", Qt::Key_C, int(C::Backup), "Sicherung", "Die Daten sichern und wiederherstellen");
        row("Z", Qt::Key_Z, int(C::Supplements), "Zuschläge",
            "Nacht-, Sonntags- und Feiertagsstunden des Monats");
        row("A", Qt::Key_A, int(C::CalendarSync), "Abgleich",
            "Die Schichten mit einem Kalender im Netz abgleichen");
        row("Escape", Qt::Key_Escape, -1, "", "");
    }
    void lettersChooseTheirCommands() {
        QFETCH(int, key);
        QFETCH(int, command);
        QFETCH(QString, label);
        QFETCH(QString, toolTip);
        QCOMPARE(chooseWithKey(CalendarType::WendringPm1, key), command);
        if (!label.isEmpty()) {
            ProgramMenu menu(CalendarType::WendringPm1);
            QCOMPARE(menu.windowTitle(), QStringLiteral("Programm"));
            QPushButton* button = menu.button(Command(command));
            QCOMPARE(button->text(), label);
            QCOMPARE(button->toolTip(), toolTip);
        }
    }

    void backgroundColourIsOffForTheSheetOnly() {
        ProgramMenu sheetMenu(CalendarType::WendringStandardSheet);
        QVERIFY(!sheetMenu.button(Command::BackgroundColour)->isEnabled());
        QCOMPARE(chooseWithKey(CalendarType::WendringStandardSheet, Qt::Key_H), -1);
        QCOMPARE(chooseWithKey(CalendarType::BrellingKarton, Qt::Key_H),
                 int(Command::BackgroundColour));
    }
};

} // namespace tp

QTEST_MAIN(tp::ProgramMenuTest)
#include "ProgramMenuTest.moc"
