#include "help/qt/HelpTexts.h"
#include "shell/qt/CommandTable.h"

#include "MainWindowFixture.h"

#include <QRegularExpression>
#include <QShortcut>
#include <QTest>

#include <memory>
#include <set>

using namespace tp;

namespace {

// Keys are written in single quotes, as 'F1', 'Esc' or 'K'; other quoted words name menus,
// buttons and windows.
struct NamedKey {
    const char* name;
    Qt::Key key;
};
constexpr NamedKey NamedKeys[] = {
    {"Esc", Qt::Key_Escape},       {"Pos1", Qt::Key_Home},   {"Bild auf", Qt::Key_PageUp},
    {"Bild ab", Qt::Key_PageDown}, {"Entf", Qt::Key_Delete},
};

constexpr int withModifier(Qt::KeyboardModifier modifier, Qt::Key key) {
    return QKeyCombination(modifier, key).toCombined();
}

// The number pad's plus and minus, which the main window takes apart from its shortcuts.
constexpr int kKeypadPlus = withModifier(Qt::KeypadModifier, Qt::Key_Plus);
constexpr int kKeypadMinus = withModifier(Qt::KeypadModifier, Qt::Key_Minus);

// The key a quoted word names, or nothing when it names no key. Combinations with Strg come
// back with the control modifier.
std::optional<int> keyOfWord(const QString& word) {
    for (const NamedKey& named : NamedKeys)
        if (word == QLatin1String(named.name))
            return named.key;
    static const QRegularExpression functionKey(QStringLiteral("^F([1-9]|1[0-2])$"));
    if (const auto match = functionKey.match(word); match.hasMatch())
        return Qt::Key_F1 + match.captured(1).toInt() - 1;
    if (word.startsWith(QLatin1String("Strg+")) && word.size() == 6)
        return withModifier(Qt::ControlModifier, static_cast<Qt::Key>(word.at(5).unicode()));
    if (word == QLatin1String("+"))
        return kKeypadPlus;
    if (word == QLatin1String("-"))
        return kKeypadMinus;
    if (word.size() == 1 && (word.at(0).isUpper() || word.at(0).isDigit()))
        return word.at(0).unicode();
    return std::nullopt;
}

std::set<int> keysNamedIn(const QString& text) {
    static const QRegularExpression quoted(QStringLiteral("'([^'\\n]+)'"));
    std::set<int> keys;
    for (const QRegularExpressionMatch& match : quoted.globalMatch(text))
        if (const auto key = keyOfWord(match.captured(1)))
            keys.insert(*key);
    return keys;
}

// A main window on 24 December 2016 with six columns and room for more.
struct MainWindowHarness : test::MainWindowFixture {
    MainWindowHarness() {
        session.applySettings(ProgramSettings{});
        startWindow();
    }

    // The keys of the main window's command table.
    std::set<int> boundKeys() {
        std::set<int> keys;
        for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
            keys.insert(shortcut->key()[0].toCombined());
        // The number pad's plus and minus change the column count.
        const int columns = state().lastColumnIndex;
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        if (state().lastColumnIndex == columns + 1)
            keys.insert(kKeypadPlus);
        QTest::keyClick(window.get(), Qt::Key_Minus, Qt::KeypadModifier);
        if (state().lastColumnIndex == columns)
            keys.insert(kKeypadMinus);
        return keys;
    }
};

// The key help is made from the main window's command table.
QString textOf(HelpTopic topic) {
    return topic == HelpTopic::Keyboard ? keyHelpText() : helpText(topic);
}

QString keyName(int key) {
    for (const NamedKey& named : NamedKeys)
        if (key == named.key)
            return QString::fromLatin1(named.name);
    if (key == kKeypadPlus || key == kKeypadMinus)
        return key == kKeypadPlus ? QStringLiteral("+") : QStringLiteral("-");
    return QKeySequence(key).toString();
}

} // namespace

class HelpTextKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKeyNamedIsBoundInTheMainWindow() {
        MainWindowHarness harness;
        const std::set<int> bound = harness.boundKeys();
        for (const HelpTopicInfo& info : HelpTopics) {
            // Keys of the windows a text describes rather than of the main window: the marking
            // window's delete key and the editing keys of a note's text field.
            std::set<int> windowKeys;
            if (info.topic == HelpTopic::ShiftMarkings)
                windowKeys = {Qt::Key_Delete};
            if (info.topic == HelpTopic::Notes)
                windowKeys = {withModifier(Qt::ControlModifier, Qt::Key_C),
                              withModifier(Qt::ControlModifier, Qt::Key_X),
                              withModifier(Qt::ControlModifier, Qt::Key_V),
                              withModifier(Qt::ControlModifier, Qt::Key_Z)};
            for (int key : keysNamedIn(textOf(info.topic))) {
                const bool known = bound.count(key) != 0 || windowKeys.count(key) != 0;
                QVERIFY2(known,
                         qPrintable(QString::fromUtf8(info.title.data()) +
                                    QStringLiteral(": '%1' does nothing").arg(keyName(key))));
            }
        }
    }

    void keyboardTextNamesEveryKeyOfTheMainWindow() {
        MainWindowHarness harness;
        const QString text = keyHelpText();
        const std::set<int> named = keysNamedIn(text);
        const std::set<int> arrows = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        // Printing, the export, the calendar sync and the backups came after the keyboard text,
        // which keeps its original wording; the Info window lists them under "Weitere Tasten".
        const std::set<int> laterKeys = {withModifier(Qt::ControlModifier, Qt::Key_P),
                                         withModifier(Qt::ControlModifier, Qt::Key_E),
                                         withModifier(Qt::ControlModifier, Qt::Key_K),
                                         withModifier(Qt::ControlModifier, Qt::Key_S)};
        for (int key : harness.boundKeys()) {
            if (laterKeys.count(key) != 0)
                continue;
            if (arrows.count(key) != 0) {
                QVERIFY(text.contains(QStringLiteral("Pfeiltasten")));
                continue;
            }
            QVERIFY2(named.count(key) != 0,
                     qPrintable(QStringLiteral("'%1' is missing").arg(keyName(key))));
        }
    }
};

QTEST_MAIN(HelpTextKeysTest)
#include "HelpTextKeysTest.moc"
