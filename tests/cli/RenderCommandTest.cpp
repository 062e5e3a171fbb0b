#include "cli/Commands.h"
#include "display/SheetGeometry.h"
#include "support/TemporaryFolder.h"

#include <QImage>
#include <QtTest>

#include <sstream>

namespace tp {

namespace {

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

Run render(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "render");
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = cli::runCommandLine(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace

class RenderCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no date") << QStringList{};
        QTest::newRow("two dates") << QStringList{"2026-12-07", "2026-12-08"};
        QTest::newRow("no real date") << QStringList{"2026-02-30"};
        QTest::newRow("after 2037-07") << QStringList{"2037-08-01"};
        QTest::newRow("type 8") << QStringList{"2026-12-07", "--type", "8"};
        QTest::newRow("five columns") << QStringList{"2026-12-07", "--columns", "5"};
        QTest::newRow("25 columns") << QStringList{"2026-12-07", "--columns", "25"};
        QTest::newRow("size 0") << QStringList{"2026-12-07", "--size", "0"};
        QTest::newRow("size text") << QStringList{"2026-12-07", "--size", "gross"};
        QTest::newRow("unknown option") << QStringList{"2026-12-07", "--colour", "1"};
        QTest::newRow("option without value") << QStringList{"2026-12-07", "--out"};
        QTest::newRow("page too large")
            << QStringList{"2026-12-07", "--columns", "24", "--size", "200"};
    }

    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        std::vector<std::string> words;
        for (const QString& word : arguments)
            words.push_back(word.toStdString());
        const Run run = render(words);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.empty());
        QVERIFY(!run.err.empty());
    }

    void writesThePageAndReportsUnitsAndSize_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("sheet");
        QTest::newRow("default") << QStringList{} << 6 << false;
        QTest::newRow("24 columns") << QStringList{"--columns", "24"} << 24 << false;
        QTest::newRow("four crews, font")
            << QStringList{"--type", "7", "--font", "DejaVu Serif", "--size", "12"} << 6 << false;
        QTest::newRow("sheet") << QStringList{"--type", "5"} << 6 << true;
    }

    void writesThePageAndReportsUnitsAndSize() {
        QFETCH(QStringList, options);
        QFETCH(int, columns);
        QFETCH(bool, sheet);
        const test::TemporaryFolder folder;
        const std::string file = (folder.path() / "seite.png").string();
        std::vector<std::string> words{"2026-12-07", "--out", file};
        for (const QString& option : options)
            words.push_back(option.toStdString());
        const Run run = render(words);
        QCOMPARE(run.status, 0);

        int w = 0, h = 0, width = 0, height = 0;
        QCOMPARE(std::sscanf(run.out.c_str(), "unit_w=%d unit_h=%d width=%d height=%d\n", &w, &h,
                             &width, &height),
                 4);
        const QImage image(QString::fromStdString(file));
        QCOMPARE(image.size(), QSize(width, height));
        QVERIFY(w > 0 && h > 0);
        if (sheet) {
            const SheetFrame frame = sheetFrameFor({w * 18 * columns, 32 * h + 2});
            QCOMPARE(QSize(width, height), QSize(frame.imageSize.width, frame.imageSize.height));
        } else {
            QCOMPARE(QSize(width, height), QSize(w * 18 * columns, 32 * h + 2));
            // The cursor frame stands on 7 December in the first column.
            QCOMPARE(image.pixelColor(0, 7 * h + h / 2), QColor(0, 0, 0));
        }
    }

    void unwritableFileIsAnErrorWithItsReason() {
        const Run run = render({"2026-12-07", "--out", "/nonexistent-folder/seite.png"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.empty());
        QCOMPARE(QString::fromStdString(run.err),
                 QStringLiteral("render: cannot write /nonexistent-folder/seite.png: No such "
                                "file or directory\n"));
    }

    // An existing image is replaced by a whole one, with nothing left beside it.
    void existingImageIsReplacedWhole() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("seite.png"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QCOMPARE(render({"2026-12-07", "--out", file.toStdString()}).status, 0);
        QVERIFY(QImage(file).width() > 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"seite.png"});
    }
};

} // namespace tp

QTEST_MAIN(tp::RenderCommandTest)
#include "RenderCommandTest.moc"
