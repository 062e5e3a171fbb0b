#include "shell/qt/CommandTable.h"

#include <QFile>
#include <QTest>

#include <set>

namespace tp {

class CommandTableTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKeyRunsOneCommand() {
        std::set<int> keys;
        std::set<int> menuKeys;
        for (const CommandEntry& entry : commandTable()) {
            for (const QKeyCombination key : keysOf(entry))
                QVERIFY2(keys.insert(key.toCombined()).second,
                         qPrintable(QKeySequence(key).toString()));
            if (entry.menu)
                QVERIFY(menuKeys.insert(entry.menu->key).second);
        }
    }

    // The key help was a text of its own before it was made from the table.
    void keyHelpIsTheTextTheProgramShipped() {
        QFile shipped(QStringLiteral(KEY_HELP_FILE));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(keyHelpText() + QLatin1Char('\n'), QString::fromUtf8(shipped.readAll()));
    }

    void everyButtonRunsACommandAndHasATip() {
        for (const GadgetLayout& entry : mainWindowLayout(kFallbackUnits, pageWidthUnits(5))) {
            if (entry.kind != GadgetKind::Button && entry.kind != GadgetKind::ToggleButton)
                continue;
            const std::optional<Command> command = commandOfButton(entry.gadget);
            QVERIFY(command);
            QVERIFY(!commandEntry(*command).button->text.empty());
            QVERIFY(!commandEntry(*command).button->toolTip.empty());
        }
        QVERIFY(commandEntry(Command::Today).button->text == "Heute");
        QVERIFY(commandEntry(Command::ProgramMenu).button->toolTip ==
                "[F10] Unterprogramme auswählen");
    }
};

} // namespace tp

QTEST_MAIN(tp::CommandTableTest)
#include "CommandTableTest.moc"
